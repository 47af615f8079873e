#include "channel/ChatEvent.h"

#include "channel/ChatNames.h"
#include "packet/clsDataBuffer.h"

namespace {
// Three 32-bit fields between the ping and the user name carry nothing the
// client uses.
constexpr qint32 kUnusedFieldBytes = 12;
} // namespace

ChatEvent ReadChatEvent(clsDataBuffer &buffer)
{
    ChatEvent event;
    event.id = static_cast<quint32>(buffer.ReadInt32());
    event.flags = static_cast<quint32>(buffer.ReadInt32());
    event.ping = buffer.ReadInt32();
    buffer.position += kUnusedFieldBytes;
    event.username = GetAccountName(buffer.ReadCStringText());
    event.text = buffer.ReadCStringText();
    return event;
}
