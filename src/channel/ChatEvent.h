#pragma once

#include <QString>
#include <QtGlobal>

class clsDataBuffer;

// The event ids of the chat event message that the client acts on.
namespace ChatEventId {
inline constexpr quint32 ShowUser = 0x01;
inline constexpr quint32 Join = 0x02;
inline constexpr quint32 Leave = 0x03;
inline constexpr quint32 WhisperFrom = 0x04;
inline constexpr quint32 Talk = 0x05;
inline constexpr quint32 Broadcast = 0x06;
inline constexpr quint32 Channel = 0x07;
inline constexpr quint32 FlagsUpdate = 0x09;
inline constexpr quint32 WhisperTo = 0x0A;
inline constexpr quint32 ChannelFull = 0x0D;
inline constexpr quint32 ChannelMissing = 0x0E;
inline constexpr quint32 ChannelRestricted = 0x0F;
inline constexpr quint32 Information = 0x12;
inline constexpr quint32 Error = 0x13;
inline constexpr quint32 Emote = 0x17;
} // namespace ChatEventId

// One chat event as the server sends it. For the channel event the flags are
// the channel's; the text is the message, statstring, channel name or notice,
// depending on the event.
struct ChatEvent {
    quint32 id = 0;
    quint32 flags = 0;
    qint32 ping = 0;
    QString username; // already reduced to the account name
    QString text;
};

// Reads a chat event from the reader's position on. Throws Failure when the
// message ends before the user name or text.
ChatEvent ReadChatEvent(clsDataBuffer &buffer);
