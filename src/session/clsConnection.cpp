#include "session/clsConnection.h"

#include "channel/ChannelUserModel.h"
#include "channel/clsBNCS.h"
#include "channel/clsUsers.h"
#include "packet/clsDataBuffer.h"
#include "packet/clsDataWriter.h"
#include "platform/Clock.h"
#include "platform/Failure.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "profiles/modProfiles.h"
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

clsConnection::clsConnection(TarnwellApp &app, qint16 profileIndex)
    : PerProfileObject(app, profileIndex), m_receiver(app, profileIndex), m_pingHold([this] { EndCustomPingDelay(); })
{
}

clsConnection::~clsConnection() = default;

void clsConnection::Connect(const QString &addr)
{
    app().guard("Connect()", "clsConnection", [&] {
        ProfileRecord &profile = app().record(ProfileIndex());
        // A slot whose profile was deleted has nothing to connect.
        if (!profile.Active)
            return;
        // Read before anything of the old connection goes: an address that
        // cannot be used leaves it as it is, and retrying cannot fix it.
        std::optional<ServerAddress> server;
        try {
            server = ServerAddress::parse(addr);
        } catch (const Failure &) {
            profile.ReconnectPending = false;
            profile.ErrorReconnects = 0;
            profile.AfterClose = {};
            Chat(kFailureColour, QStringLiteral("Cannot connect: the Server setting \"%1\" is not a server address "
                                                "(a host name or IP address, optionally followed by \":\" and "
                                                "a port from 1 to 65535).")
                                     .arg(addr));
            return;
        }
        app().AddChat(ProfileIndex(), {Rgb(0x4FA995), QStringLiteral("Attempting to connect to Battle.net...")});
        QTcpSocket &socket = app().socket(ProfileIndex());
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
        profile.ConnectTick = app().clock().tickCount();
    });
}

void clsConnection::Disconnect(Farewell farewell)
{
    app().guard("Disconnect()", "clsConnection", [&] {
        m_srp.clear();
        const int index = ProfileIndex();
        m_open = false;
        m_pingHold.cancel();
        // A close rather than an abort, so that a message sent just before
        // still reaches the server.
        app().socket(index).close();
        if (farewell == Farewell::Always || m_established)
            app().AddChat(index, {kFailureColour, QStringLiteral("You have been disconnected from Battle.net.")});
        m_established = false;
        qint16 colourIndex = static_cast<qint16>(index);
        ProfileColor(app(), colourIndex, false, false);
        ProfileRecord &profile = app().record(index);
        profile.ReconnectPending = false;
        profile.ErrorReconnects = 0;
        profile.AfterClose = {};
        profile.EnterChatTick = 0;
        app().users(index).ClearUsers();
        app().bncs(index).rows().clear();
        if (index == app().CurrentProfile)
            app().mainWindow().lblChlInfo->setText(QStringLiteral("Disconnected [0]"));
    });
}

void clsConnection::Release()
{
    m_open = false;
    m_registrationSkipShown = false;
    m_pingHold.cancel();
    m_receiver.Discard();
    m_srp.clear();
    app().socket(ProfileIndex()).abort();
}

void clsConnection::SendPacket(int id, QByteArray &data)
{
    const auto emptied = qScopeGuard([&data] { data.clear(); });
    const auto messageId = static_cast<quint8>(id & 0xFF);
    if (data.size() > kMaxPayload)
        throw Failure(Failure::Overflow, QStringLiteral("Message 0x%1 is too long to send (%2 bytes)")
                                             .arg(QString::number(messageId, 16).toUpper())
                                             .arg(data.size()));
    if (!app().isConnected(ProfileIndex())) {
        app().AddChat(ProfileIndex(), {kFailureColour, QStringLiteral("Packet sending failed [") +
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
    QTcpSocket &socket = app().socket(ProfileIndex());
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
    return app().socket(ProfileIndex()).bytesToWrite() <= kMostUnsentForAnswers;
}

void clsConnection::SendProtocol()
{
    WriteToServer(QByteArray(1, '\x01'));
}

void clsConnection::Sendx50()
{
    const ProfileRecord &profile = app().record(ProfileIndex());
    QByteArray payload = ClientInfoPayload(profile.Product, profile.Verbyte);
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
    m_keepAliveUnanswered = app().clock().tickCount();
}

void clsConnection::Receive0x00()
{
    const bool replyToOurs =
        m_keepAliveUnanswered && app().clock().ticksSince(*m_keepAliveUnanswered) <= kKeepAliveReplyWindow;
    m_keepAliveUnanswered.reset();
    if (replyToOurs || !answeringServer())
        return;
    // A server that answers every 0x00 answers this one too; that reply
    // then ends the exchange.
    Sendx00();
}

void clsConnection::SendFirstPing()
{
    const ProfileRecord &profile = app().record(ProfileIndex());
    const int delay = profile.Spoof == QLatin1String("Custom") ? customPingDelay(profile.CustomPing) : 0;
    if (delay > 0)
        m_pingHold.start(delay);
    else
        Sendx25(0);
}

void clsConnection::EndCustomPingDelay()
{
    app().guard("EndCustomPingDelay()", "clsConnection", [&] {
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
    if (app().record(ProfileIndex()).Spoof == QLatin1String("0ms") || !answeringServer())
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
    QTcpSocket &socket = app().socket(ProfileIndex());
    const quint32 attempt = m_attempt;
    m_receiver.DataArrival(socket.read(kReadSlice));
    // Also after a nested event loop inside the receive loop, during which
    // nothing was read.
    if (isCurrentAttempt(attempt) && socket.bytesAvailable() > 0)
        ReadLater();
}

void clsConnection::ReadRest()
{
    QTcpSocket &socket = app().socket(ProfileIndex());
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
        &app(),
        [this, attempt = m_attempt] {
            if (m_readScheduled == attempt)
                m_readScheduled.reset();
            if (isCurrentAttempt(attempt))
                sckBNET_DataArrival(app(), ProfileIndex());
        },
        Qt::QueuedConnection);
}

qint64 clsConnection::heldBytes() const
{
    return app().socket(ProfileIndex()).bytesAvailable() + m_receiver.bufferedBytes();
}
