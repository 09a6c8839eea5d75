#include "TcpLine.h"

#include <QTcpServer>
#include <QTcpSocket>

TcpLine::TcpLine(quint16 port, QObject *parent)
    : SimLine(parent)
    , m_port(port)
{}

TcpLine::~TcpLine() = default;

bool TcpLine::open(QString *error)
{
    m_server = new QTcpServer(this);
    connect(m_server, &QTcpServer::newConnection, this, &TcpLine::accept);
    if (m_server->listen(QHostAddress::LocalHost, m_port))
        return true;
    if (error)
        *error = m_server->errorString();
    return false;
}

QString TcpLine::path() const
{
    return QStringLiteral("tcp://127.0.0.1:%1").arg(m_server ? m_server->serverPort() : m_port);
}

void TcpLine::write(const QByteArray &bytes)
{
    if (m_client)
        m_client->write(bytes);
}

void TcpLine::close()
{
    if (m_server)
        m_server->close();
    if (m_client)
        m_client->abort();
}

void TcpLine::accept()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        // A new program takes the line, as a bridge hands it over.
        if (m_client)
            m_client->deleteLater();
        m_client = socket;
        socket->setParent(this);
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(socket, &QTcpSocket::readyRead, this,
                [this, socket] { emit received(socket->readAll()); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}
