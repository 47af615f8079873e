#pragma once

#include "profiles/PerProfileObject.h"
#include "session/CustomPingHold.h"
#include "session/PacketReceiver.h"
#include "session/SrpExchange.h"

#include <QByteArray>
#include <QString>

#include <optional>

class clsDataBuffer;
struct Colour;

// One profile's Battle.net connection: opening and closing it, the first
// messages on it, the one send path for whole messages, and the profile's
// incoming stream.
class clsConnection : public PerProfileObject {
public:
    // A message is at most 32767 bytes long, header included.
    static constexpr qsizetype kMaxMessage = 32767;
    static constexpr qsizetype kMaxPayload = kMaxMessage - 4;
    // What the socket keeps of the server's bytes before it stops reading:
    // past it the kernel's window closes and the server has to wait.
    static constexpr qint64 kSocketReadBuffer = 1024 * 1024;
    // What one turn of the event loop hands to the receive loop, so that the
    // window keeps answering through a long burst: about a hundred chat
    // events, a turn of some 20 ms in a release build, while a whole burst
    // takes no longer than with twice the slice (half of it made turns half
    // as long but the burst a sixth slower).
    static constexpr qint64 kReadSlice = 8 * 1024;
    // The most the client ever keeps of one profile's incoming stream: a
    // full socket buffer, a slice, and the unfinished message before it.
    static constexpr qint64 kMaxHeldBytes = kSocketReadBuffer + kReadSlice + kMaxMessage;

    // Writing is bounded as reading is. Past this many unsent bytes the
    // profile stops answering what the server asks for (pings, keep-alives,
    // the requests that follow entering chat, Void View): a server that
    // sends but does not read must not make the client queue replies
    // without end.
    static constexpr qint64 kMostUnsentForAnswers = 256 * 1024;
    // Past this many the server is not reading at all and is disconnected.
    static constexpr qint64 kMostUnsent = 1024 * 1024;

    clsConnection(Profile &profile);
    ~clsConnection() override;

    // Starts a new connection to "host" (port 6112) or "host:port", dropping
    // whatever the profile's socket was doing and any bytes left from before.
    // An address that cannot be read changes nothing but the reconnection,
    // which stops: a red line names it and what is expected.
    void Connect(const QString &addr);
    // Ends the connection and resets the profile's connection state; safe in
    // any state. Tells the user, always or only when the connection had
    // opened (an attempt that failed has said why already).
    enum class Farewell { Always, IfOpened };
    void Disconnect(Farewell farewell = Farewell::Always);
    // The socket of the current attempt reached the server.
    void Established() { m_established = true; }
    // Ends the connection without a word and forgets everything of it: the
    // attempt, bytes waiting unread, a Custom Ping delay, the SRP values.
    // For a profile that is deleted, whose slot the next profile takes.
    void Release();

    // Sends one message, header and payload in one write, and empties data.
    // Without a connection it tells the user and disconnects instead. A
    // payload too long for the length field throws Failure; nothing is sent.
    void SendPacket(int id, QByteArray &data);
    // The protocol byte 0x01, written before any message.
    void SendProtocol();
    // The client information message 0x50 from the profile's settings.
    void Sendx50();
    void Sendx25(qint32 value);
    // The empty keep-alive message 0x00.
    void Sendx00();
    // The server's 0x00: answered with one, unless it is the server's reply
    // to a 0x00 of ours. Servers that answer every 0x00 would otherwise trade
    // empty messages with the client as fast as the line carries them.
    void Receive0x00();
    // How long after a 0x00 of ours the server's next 0x00 counts as its reply.
    static constexpr quint32 kKeepAliveReplyWindow = 60000;
    // The first ping 0x25 with value 0: at once, or after the profile's
    // Custom Ping delay when its ping option is "Custom". During the delay
    // only this profile waits: what arrives is kept unread and what it sends
    // is kept unsent until the ping has gone.
    void SendFirstPing();
    // The Custom Ping delay is over: sends the ping, then what waited, then
    // reads what the server sent meanwhile.
    void EndCustomPingDelay();
    const CustomPingHold &customPingHold() const { return m_pingHold; }

    // The server's ping: echoed at once unless the profile's ping option is "0ms".
    void Receive0x25(clsDataBuffer &message);

    // Logging on, after the server's reply to 0x50: the password-hash logon
    // (0x3A) or the SRP logon (0x53, 0x54), then entering chat (0x0A, 0x0C).
    void Receive0x50(clsDataBuffer &message);
    void Send0x3A();
    void Receive0x3A(clsDataBuffer &message);
    void Send0x53();
    void Receive0x53(clsDataBuffer &message);
    void Receive0x54(clsDataBuffer &message);
    void JoinChat();
    void Receive0x0A(clsDataBuffer &message);

    // Account management inside the logon: creating the account (0x3D,
    // 0x52), changing its password (0x31; 0x55 and 0x56), upgrading it to
    // the SRP logon (0x57), registering an e-mail address (0x59) and the
    // requests for a new e-mail address (0x5B) or password (0x5A).
    void Send0x3D();
    void Receive0x3D(clsDataBuffer &message);
    void Send0x52();
    void Receive0x52(clsDataBuffer &message);
    void Send0x31();
    void Receive0x31(clsDataBuffer &message);
    void Send0x55();
    void Receive0x55(clsDataBuffer &message);
    void Receive0x56(clsDataBuffer &message);
    // The empty request to upgrade the account to the SRP logon.
    void Send0x57();
    void Receive0x57(clsDataBuffer &message);
    void Send0x59(const QString &email);
    // The server asks for an e-mail address for the account.
    void Receive0x59();
    void Receive0x5A(clsDataBuffer &message);
    void Receive0x5B(clsDataBuffer &message);

    const SrpExchange &srp() const { return m_srp; }

    // Whether requests of the server are answered now (kMostUnsentForAnswers).
    bool answeringServer() const;

    // Hands the next slice of what the socket has received to the receive
    // loop and leaves the rest to a later turn of the event loop. Reads
    // nothing while the profile is not taking data (during the Custom Ping
    // delay, or while its receive loop waits in a nested event loop): the
    // bytes then wait in the socket and, once its buffer is full, in the
    // server.
    void DataArrival();
    // The connection ended (closed by the server or failed): what the
    // server sent before is handled at once, before the connection goes.
    void ReadRest();
    PacketReceiver &receiver() { return m_receiver; }
    // Bytes of the server's stream the client holds unhandled for this
    // profile: the socket's buffer and the receive loop's. Never above
    // kMaxHeldBytes.
    qint64 heldBytes() const;

    // Every Connect starts a new attempt. A socket event belongs to the
    // attempt during which it was raised, and is current while that attempt
    // has not been ended by Disconnect or replaced by another Connect.
    quint32 attempt() const { return m_attempt; }
    bool isCurrentAttempt(quint32 attempt) const { return m_open && attempt == m_attempt; }

private:
    void WriteToServer(const QByteArray &bytes);
    // Whether the receive loop can take bytes now.
    bool takingData() const;
    // DataArrival again on a later turn of the event loop, for this attempt;
    // one such read is scheduled at a time.
    void ReadLater();

    void Chat(Colour colour, const QString &text);
    // A red line, then Disconnect.
    void DisconnectWith(const QString &line);
    void SendRegistrationRequests();
    // Creates the SRP context when there is none; false (after telling the
    // user and disconnecting) when it cannot be made.
    bool EnsureSrpContext();
    // The SRP values could not be made (no randomness to be had).
    void NlsFailed();
    // 0x53 and 0x55 carry the same fields: A and the user name.
    void SendClientKey(int id);
    void ReportAccountCreated();
    // New Password becomes Password, in the settings file and then in
    // memory. False (after telling the user and disconnecting) when the
    // file could not be written; nothing changed then.
    bool StoreNewPassword();
    void ReportRequestResult(clsDataBuffer &message, const QString &request);

    PacketReceiver m_receiver;
    CustomPingHold m_pingHold;
    SrpExchange m_srp;
    quint32 m_attempt = 0;
    bool m_open = false;
    bool m_established = false;
    // The server's request for an e-mail address was declined in the pane
    // once this run.
    bool m_registrationSkipShown = false;
    // What the server can ask for once per connection has been done: the
    // e-mail address given, the requests after entering chat made.
    bool m_registrationAnswered = false;
    bool m_chatEntered = false;
    // When this connection last sent a 0x00 whose reply has not come yet.
    std::optional<quint32> m_keepAliveUnanswered;
    // The attempt for which a later read is scheduled, if one is.
    std::optional<quint32> m_readScheduled;
};
