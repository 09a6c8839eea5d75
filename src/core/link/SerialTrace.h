#pragma once

#include <QFile>
#include <QObject>

class SerialLink;

// A timestamped hex record of every byte on the line, one line per frame sent
// or bytes received, with time-outs and aborts marked: something a service
// technician can attach to a problem report.
class SerialTrace : public QObject
{
    Q_OBJECT
public:
    explicit SerialTrace(SerialLink &link, QObject *parent = nullptr);

    // False with the reason when the file cannot be written.
    bool open(const QString &path, QString *error = nullptr);

private:
    void write(const QString &direction, const QString &text);

    QFile m_file;
};
