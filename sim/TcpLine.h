#pragma once

#include "SimLine.h"

#include <QPointer>

class QTcpServer;
class QTcpSocket;

// The simulator behind a raw TCP port on the loopback address, as a
// serial-to-network bridge offers a tester: one program at a time.
class TcpLine : public SimLine
{
    Q_OBJECT
public:
    // Port 0: any free one.
    explicit TcpLine(quint16 port = 0, QObject *parent = nullptr);
    ~TcpLine() override;

    bool open(QString *error) override;
    QString path() const override;
    void write(const QByteArray &bytes) override;
    void close() override;

private:
    void accept();

    quint16 m_port;
    QTcpServer *m_server = nullptr;
    QPointer<QTcpSocket> m_client;
};
