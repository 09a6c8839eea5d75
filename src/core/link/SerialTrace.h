#pragma once

#include "base/Result.h"

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

    Result<> open(const QString &path);
    // Why lines were lost, when some were; empty while every line was kept.
    QString failure() const { return m_failure; }

private:
    void write(const QString &direction, const QString &text);

    QFile m_file;
    QString m_failure;
};
