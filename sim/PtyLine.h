#pragma once

#include "SimLine.h"

class QSocketNotifier;

// A pseudo-terminal in raw mode: programs open its device as a serial port.
class PtyLine : public SimLine
{
    Q_OBJECT
public:
    using SimLine::SimLine;
    ~PtyLine() override;

    bool open(QString *error) override;
    QString path() const override { return m_path; }
    void write(const QByteArray &bytes) override;
    void close() override;

private:
    void readAll();

    int m_master = -1;
    int m_slave = -1;
    QString m_path;
    QSocketNotifier *m_notifier = nullptr;
};
