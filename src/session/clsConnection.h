#pragma once

#include "packet/PacketReceiver.h"
#include "profiles/PerProfileObject.h"
#include "session/CustomPingHold.h"

#include <QByteArray>
#include <QString>

class clsDataBuffer;

// One profile's Battle.net connection: opening and closing it, the first
// messages on it, the one send path for whole messages, and the profile's
// incoming stream.
class clsConnection : public PerProfileObject {
public:
    // A message is at most 32767 bytes long, header included.
    static constexpr qsizetype kMaxPayload = 32767 - 4;

    clsConnection(TarnwellApp &app, qint16 profileIndex);
    ~clsConnection() override;

    // Starts a new connection to "host" (port 6112) or "host:port", dropping
    // whatever the profile's socket was doing and any bytes left from before.
    void Connect(const QString &addr);
    // Ends the connection and resets the profile's connection state; safe in
    // any state and always tells the user.
    void Disconnect();

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
    // The first ping 0x25 with value 0: at once, or after the profile's
    // Custom Ping delay when its ping option is "Custom". During the delay
    // only this profile waits: what arrives is kept unread and what it sends
    // is kept unsent until the ping has gone.
    void SendFirstPing();
    // The Custom Ping delay is over: sends the ping, then what waited.
    void EndCustomPingDelay();
    const CustomPingHold &customPingHold() const { return m_pingHold; }

    // The server's ping: echoed at once unless the profile's ping option is "0ms".
    void Receive0x25(clsDataBuffer &message);

    // Takes what the socket has received into the incoming stream.
    void DataArrival();
    PacketReceiver &receiver() { return m_receiver; }

    // Every Connect starts a new attempt. A socket event belongs to the
    // attempt during which it was raised, and is current while that attempt
    // has not been ended by Disconnect or replaced by another Connect.
    quint32 attempt() const { return m_attempt; }
    bool isCurrentAttempt(quint32 attempt) const { return m_open && attempt == m_attempt; }

private:
    void WriteToServer(const QByteArray &bytes);

    PacketReceiver m_receiver;
    CustomPingHold m_pingHold;
    quint32 m_attempt = 0;
    bool m_open = false;
};
