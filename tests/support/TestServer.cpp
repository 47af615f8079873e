#include "support/TestServer.h"

#include "packet/clsDataWriter.h"
#include "support/WaitUntil.h"

#include <QTcpSocket>

#include <stdexcept>

TestServer::TestServer()
{
    if (!m_listener.listen(QHostAddress::LocalHost, 0))
        throw std::runtime_error("the test server cannot listen on 127.0.0.1");
    connect(&m_listener, &QTcpServer::newConnection, this, &TestServer::accept);
    // The common server answers every empty message 0x00 with one.
    onMessage(0x00, [this](int connection, const Message &) { sendMessage(connection, 0x00); });
}

TestServer::~TestServer()
{
    for (const auto &each : m_peers)
        each->socket->disconnect(this);
}

QString TestServer::address() const
{
    return QStringLiteral("127.0.0.1:") + QString::number(port());
}

void TestServer::accept()
{
    while (QTcpSocket *socket = m_listener.nextPendingConnection()) {
        const int connection = connectionCount();
        auto added = std::make_unique<Peer>();
        added->socket = socket;
        m_peers.push_back(std::move(added));
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, connection] { receive(connection); });
        connect(socket, &QTcpSocket::disconnected, this, [this, connection] { peer(connection).closed = true; });
    }
}

void TestServer::receive(int connection)
{
    Peer &from = peer(connection);
    from.received.append(from.socket->readAll());
    const std::vector<Message> all = messages(connection);
    while (from.answered < all.size()) {
        const Message &next = all[from.answered++];
        const auto answer = m_answers.find(next.id);
        if (answer != m_answers.end())
            answer->second(connection, next);
    }
}

TestServer::Peer &TestServer::peer(int connection) const
{
    return *m_peers.at(static_cast<std::size_t>(connection));
}

QByteArray TestServer::received(int connection) const
{
    return peer(connection).received;
}

std::vector<TestServer::Message> TestServer::messages(int connection) const
{
    const QByteArray &bytes = peer(connection).received;
    std::vector<Message> found;
    qsizetype at = bytes.startsWith('\x01') ? 1 : 0;
    while (bytes.size() - at >= 4) {
        const auto length = static_cast<qsizetype>(static_cast<quint8>(bytes[at + 2]) |
                                                   static_cast<quint8>(bytes[at + 3]) << 8);
        if (static_cast<quint8>(bytes[at]) != 0xFF || length < 4 || bytes.size() - at < length)
            break;
        found.push_back({static_cast<quint8>(bytes[at + 1]), bytes.mid(at + 4, length - 4)});
        at += length;
    }
    return found;
}

bool TestServer::clientClosed(int connection) const
{
    return peer(connection).closed;
}

bool TestServer::waitForConnections(int count) const
{
    return WaitUntil([&] { return connectionCount() >= count; });
}

bool TestServer::waitForBytes(int connection, qsizetype count) const
{
    return WaitUntil([&] { return connectionCount() > connection && received(connection).size() >= count; });
}

bool TestServer::waitForMessages(int connection, std::size_t count) const
{
    return WaitUntil([&] { return connectionCount() > connection && messages(connection).size() >= count; });
}

bool TestServer::waitForClientClose(int connection) const
{
    return WaitUntil([&] { return connectionCount() > connection && clientClosed(connection); });
}

QByteArray TestServer::message(quint8 id, const QByteArray &payload)
{
    const qsizetype length = payload.size() + 4;
    QByteArray bytes;
    bytes.append(static_cast<char>(0xFF));
    bytes.append(static_cast<char>(id));
    bytes.append(static_cast<char>(length & 0xFF));
    bytes.append(static_cast<char>(length >> 8 & 0xFF));
    return bytes + payload;
}

qint64 TestServer::unsentBytes(int connection) const
{
    return peer(connection).socket->bytesToWrite();
}

void TestServer::send(int connection, const QByteArray &bytes)
{
    QTcpSocket &socket = *peer(connection).socket;
    socket.write(bytes);
    socket.flush();
}

void TestServer::sendMessage(int connection, quint8 id, const QByteArray &payload)
{
    send(connection, message(id, payload));
}

void TestServer::sendMessage(int connection, quint8 id, const clsDataWriter &payload)
{
    sendMessage(connection, id, payload.buffer);
}

void TestServer::onMessage(quint8 id, Answer answer)
{
    m_answers[id] = std::move(answer);
}

void TestServer::close(int connection)
{
    peer(connection).socket->disconnectFromHost();
}
