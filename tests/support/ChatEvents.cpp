#include "support/ChatEvents.h"

#include "channel/clsBNCS.h"
#include "packet/clsDataBuffer.h"
#include "packet/clsDataWriter.h"
#include "profiles/TarnwellApp.h"

QByteArray ChatEventMessage(quint32 id, quint32 flags, qint32 ping, const QByteArray &name, const QByteArray &text)
{
    clsDataWriter payload;
    payload.InsertInt32(static_cast<qint32>(id));
    payload.InsertInt32(static_cast<qint32>(flags));
    payload.InsertInt32(ping);
    payload.InsertInt32(0);
    payload.InsertInt32(static_cast<qint32>(0xBAADF00D));
    payload.InsertInt32(static_cast<qint32>(0xBAADF00D));
    payload.InsertCString(name);
    payload.InsertCString(text);
    return QByteArray("\xFF\x0F", 2) + clsDataWriter::CreateInt16(static_cast<qint16>(payload.buffer.size() + 4)) +
           payload.buffer;
}

void DeliverChatEvent(TarnwellApp &app, int profileIndex, const QByteArray &message)
{
    clsDataBuffer reader(message);
    reader.position = 5;
    app.profile(profileIndex).bncs().ParseEvents(reader);
}
