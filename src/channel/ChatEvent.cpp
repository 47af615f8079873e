#include "channel/ChatEvent.h"

#include "channel/ChatNames.h"
#include "packet/clsDataBuffer.h"
#include "platform/Cp1252.h"

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
    // A statstring holds binary fields as well as text: its bytes are kept
    // as they came (Windows-1252 holds every byte), and only the parts shown
    // as names are read as UTF-8 where they are.
    const bool statstring = event.id == ChatEventId::ShowUser || event.id == ChatEventId::Join ||
                            event.id == ChatEventId::FlagsUpdate;
    event.text = statstring ? Cp1252::decode(buffer.ReadCString()) : buffer.ReadCStringText();
    return event;
}
