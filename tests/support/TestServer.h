#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpServer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QTcpSocket;
class clsDataWriter;

// A Battle.net server stand-in on 127.0.0.1 with a port of its own. It
// records every byte each client connection sends, reads the client's stream
// as the protocol byte followed by messages, and sends whatever a test
// scripts: whole messages built from an id and a payload, or raw bytes.
//
// Like the common server, it answers every 0x00 with a 0x00 unless a test
// scripts otherwise.
//
// Connections are numbered 0, 1, ... in the order they were accepted.
// Scripted answers (onMessage) run as the client's messages arrive, which is
// how a real server's order is reproduced, for example its ping 0x25 before
// the reply to 0x50.
class TestServer : public QObject {
    Q_OBJECT
public:
    // One message of the client's stream.
    struct Message {
        quint8 id = 0;
        QByteArray payload;
    };
    using Answer = std::function<void(int connection, const Message &message)>;

    TestServer();
    ~TestServer() override;

    quint16 port() const { return m_listener.serverPort(); }
    // A Server setting that reaches this server: "127.0.0.1:<port>".
    QString address() const;
    // Stops accepting: new connections to the port are refused.
    void stopListening() { m_listener.close(); }

    int connectionCount() const { return static_cast<int>(m_peers.size()); }
    // Every byte the client sent on the connection.
    QByteArray received(int connection) const;
    // The client's messages on the connection, after the protocol byte.
    std::vector<Message> messages(int connection) const;
    bool clientClosed(int connection) const;
    // Bytes sent on the connection that the client has not taken yet and
    // that still wait in this server.
    qint64 unsentBytes(int connection) const;

    // Each waits for the event, running the event loop; false on timeout.
    bool waitForConnections(int count) const;
    bool waitForBytes(int connection, qsizetype count) const;
    bool waitForMessages(int connection, std::size_t count) const;
    bool waitForClientClose(int connection) const;

    // The whole message: 0xFF, id, 16-bit little-endian length, payload.
    static QByteArray message(quint8 id, const QByteArray &payload = {});
    void send(int connection, const QByteArray &bytes);
    void sendMessage(int connection, quint8 id, const QByteArray &payload = {});
    void sendMessage(int connection, quint8 id, const clsDataWriter &payload);
    // Every message with this id that a client sends is answered by calling
    // answer (replacing an earlier one for the id).
    void onMessage(quint8 id, Answer answer);
    // The server ends the connection.
    void close(int connection);

private:
    struct Peer {
        QTcpSocket *socket = nullptr;
        QByteArray received;
        std::size_t answered = 0;
        bool closed = false;
    };
    void accept();
    void receive(int connection);
    Peer &peer(int connection) const;

    QTcpServer m_listener;
    std::vector<std::unique_ptr<Peer>> m_peers;
    std::map<quint8, Answer> m_answers;
};
