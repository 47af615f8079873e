#include "session/clsConnection.h"

#include "packet/clsDataBuffer.h"
#include "packet/clsDataWriter.h"
#include "platform/Clock.h"
#include "platform/Failure.h"
#include "profiles/Profile.h"
#include "session/ClientInfo.h"
#include "session/ServerAddress.h"
#include "session/SocketEvents.h"

#include <QLabel>
#include <QListWidget>
#include <QScopeGuard>
#include <QTcpSocket>

namespace {

const Colour kFailureColour = Rgb(0xBD3D3D);

// The Custom Ping setting in milliseconds; anything that is not a positive
// whole number means no delay.
int customPingDelay(const QString &setting)
{
    bool ok = false;
    const int delay = setting.trimmed().toInt(&ok);
    return ok && delay > 0 ? delay : 0;
}

} // namespace

clsConnection::clsConnection(Profile &profile)
    : PerProfileObject(profile), m_receiver(profile), m_pingHold([this] { EndCustomPingDelay(); })
{
}

clsConnection::~clsConnection() = default;

void clsConnection::Connect(const QString &addr)
{
    profile().guard("Connect()", "clsConnection", [&] {
        ProfileRecord &record = profile().record();
        // A slot whose profile was deleted has nothing to connect.
        if (!record.Active)
            return;
        // Read before anything of the old connection goes: an address that
        // cannot be used leaves it as it is, and retrying cannot fix it.
        std::optional<ServerAddress> server;
        try {
            server = ServerAddress::parse(addr);
        } catch (const Failure &) {
            profile().state().ReconnectPending = false;
            profile().state().ErrorReconnects = 0;
            profile().state().AfterClose = {};
            Chat(kFailureColour, QStringLiteral("Cannot connect: the Server setting \"%1\" is not a server address "
                                                "(a host name or IP address, optionally followed by \":\" and "
                                                "a port from 1 to 65535).")
                                     .arg(addr));
            return;
        }
        profile().AddChat({Rgb(0x4FA995), QStringLiteral("Attempting to connect to Battle.net...")});
        QTcpSocket &socket = profile().socket();
        socket.abort();
        m_pingHold.cancel();
        m_receiver.Discard();
        // A challenge answered on the old connection cannot be answered again.
        m_srp.clear();
        m_keepAliveUnanswered.reset();
        m_registrationAnswered = false;
        m_chatEntered = false;
        ++m_attempt;
        m_open = true;
        m_established = false;
        socket.connectToHost(server->host, server->port);
        profile().state().ConnectTick = profile().clock().tickCount();
    });
}

void clsConnection::Disconnect(Farewell farewell)
{
    profile().guard("Disconnect()", "clsConnection", [&] {
        m_srp.clear();
        m_open = false;
        m_pingHold.cancel();
        // A close rather than an abort, so that a message sent just before
        // still reaches the server.
        profile().socket().close();
        if (farewell == Farewell::Always || m_established)
            profile().AddChat({kFailureColour, QStringLiteral("You have been disconnected from Battle.net.")});
        m_established = false;
        Q_EMIT profile().connectionStateChanged();
        ProfileState &state = profile().state();
        state.ReconnectPending = false;
        state.ErrorReconnects = 0;
        state.AfterClose = {};
        state.EnterChatTick = 0;
        profile().forgetChannel();
        Q_EMIT profile().channelLabelChanged(QStringLiteral("Disconnected [0]"));
    });
}

void clsConnection::Release()
{
    m_open = false;
    m_registrationSkipShown = false;
    m_pingHold.cancel();
    m_receiver.Discard();
    m_srp.clear();
    profile().socket().abort();
}

void clsConnection::SendPacket(int id, QByteArray &data)
{
    const auto emptied = qScopeGuard([&data] { data.clear(); });
    const auto messageId = static_cast<quint8>(id & 0xFF);
    if (data.size() > kMaxPayload)
        throw Failure(Failure::Overflow, QStringLiteral("Message 0x%1 is too long to send (%2 bytes)")
                                             .arg(QString::number(messageId, 16).toUpper())
                                             .arg(data.size()));
    if (!profile().isConnected()) {
        profile().AddChat({kFailureColour, QStringLiteral("Packet sending failed [") +
                                                           QString::number(messageId, 16).toUpper() +
                                                           QStringLiteral("], connection lost!")});
        Disconnect();
        return;
    }
    QByteArray message;
    message.reserve(data.size() + 4);
    message.append(static_cast<char>(0xFF));
    message.append(static_cast<char>(messageId));
    message.append(clsDataWriter::CreateInt16(static_cast<qint16>(data.size() + 4)));
    message.append(data);
    if (m_pingHold.isHolding())
        m_pingHold.holdToServer(message);
    else
        WriteToServer(message);
}

void clsConnection::WriteToServer(const QByteArray &bytes)
{
    // A failed write shows up as a socket error event; nothing to do here.
    QTcpSocket &socket = profile().socket();
    socket.write(bytes);
    if (socket.bytesToWrite() <= kMostUnsent)
        return;
    DisconnectWith(QStringLiteral("The server has not read the last %1 KiB sent to it; disconnecting.")
                       .arg(socket.bytesToWrite() / 1024));
    // What waits would never go, and closing would wait for it.
    socket.abort();
}

bool clsConnection::answeringServer() const
{
    return profile().socket().bytesToWrite() <= kMostUnsentForAnswers;
}

void clsConnection::SendProtocol()
{
    WriteToServer(QByteArray(1, '\x01'));
}

void clsConnection::Sendx50()
{
    const ProfileRecord &record = profile().record();
    QByteArray payload = ClientInfoPayload(record.Product, record.Verbyte);
    SendPacket(0x50, payload);
}

void clsConnection::Sendx25(qint32 value)
{
    clsDataWriter payload;
    payload.InsertInt32(value);
    SendPacket(0x25, payload.buffer);
}

void clsConnection::Sendx00()
{
    QByteArray empty;
    SendPacket(0x00, empty);
    m_keepAliveUnanswered = profile().clock().tickCount();
}

void clsConnection::Receive0x00()
{
    const bool replyToOurs =
        m_keepAliveUnanswered && profile().clock().ticksSince(*m_keepAliveUnanswered) <= kKeepAliveReplyWindow;
    m_keepAliveUnanswered.reset();
    if (replyToOurs || !answeringServer())
        return;
    // A server that answers every 0x00 answers this one too; that reply
    // then ends the exchange.
    Sendx00();
}

void clsConnection::SendFirstPing()
{
    const ProfileRecord &record = profile().record();
    const int delay = record.Spoof == QLatin1String("Custom") ? customPingDelay(record.CustomPing) : 0;
    if (delay > 0)
        m_pingHold.start(delay);
    else
        Sendx25(0);
}

void clsConnection::EndCustomPingDelay()
{
    profile().guard("EndCustomPingDelay()", "clsConnection", [&] {
        if (!m_pingHold.isHolding())
            return;
        const std::vector<QByteArray> waiting = m_pingHold.release();
        Sendx25(0);
        for (const QByteArray &message : waiting)
            WriteToServer(message);
        // What the server sent meanwhile is still in the socket, in the order
        // it came.
        ReadLater();
    });
}

void clsConnection::Receive0x25(clsDataBuffer &message)
{
    if (profile().record().Spoof == QLatin1String("0ms") || !answeringServer())
        return;
    Sendx25(message.ReadInt32());
}

bool clsConnection::takingData() const
{
    return !m_pingHold.isHolding() && !m_receiver.isDispatching();
}

void clsConnection::DataArrival()
{
    // With a read scheduled, new bytes wait for it: one slice a turn, however
    // often the socket reports them.
    if (!takingData() || m_readScheduled == m_attempt)
        return;
    QTcpSocket &socket = profile().socket();
    const quint32 attempt = m_attempt;
    m_receiver.DataArrival(socket.read(kReadSlice));
    // Also after a nested event loop inside the receive loop, during which
    // nothing was read.
    if (isCurrentAttempt(attempt) && socket.bytesAvailable() > 0)
        ReadLater();
}

void clsConnection::ReadRest()
{
    QTcpSocket &socket = profile().socket();
    const quint32 attempt = m_attempt;
    // The socket stopped reading at its buffer's size, and the close is only
    // seen once everything before it has been read: what is left is bounded.
    while (takingData() && isCurrentAttempt(attempt) && socket.bytesAvailable() > 0)
        m_receiver.DataArrival(socket.read(kReadSlice));
}

void clsConnection::ReadLater()
{
    if (m_readScheduled == m_attempt)
        return;
    m_readScheduled = m_attempt;
    QMetaObject::invokeMethod(
        &profile(),
        [this, attempt = m_attempt] {
            if (m_readScheduled == attempt)
                m_readScheduled.reset();
            if (isCurrentAttempt(attempt))
                sckBNET_DataArrival(profile());
        },
        Qt::QueuedConnection);
}

qint64 clsConnection::heldBytes() const
{
    return profile().socket().bytesAvailable() + m_receiver.bufferedBytes();
}
