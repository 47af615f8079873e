#include "packet/PacketDispatch.h"

#include "channel/clsBNCS.h"
#include "packet/clsDataBuffer.h"
#include "profiles/TarnwellApp.h"
#include "session/ProfileReplies.h"
#include "session/clsConnection.h"

// The one table of incoming message ids: every message the client
// understands has its case here, calling the handler of the profile's
// clsConnection (0x0A, 0x26, 0x31, 0x3A, 0x3D, 0x50, 0x52 to 0x57, 0x59,
// 0x5A, 0x5B) or clsBNCS (0x0F) as those handlers are written.
void DispatchPacket(TarnwellApp &app, int profileIndex, quint8 id, clsDataBuffer &message)
{
    switch (id) {
    case 0x00:
        app.connection(profileIndex).Receive0x00();
        break;
    case 0x0A:
        app.connection(profileIndex).Receive0x0A(message);
        break;
    case 0x0F:
        app.bncs(profileIndex).ParseEvents(message);
        break;
    case 0x25:
        app.connection(profileIndex).Receive0x25(message);
        break;
    case 0x26:
        Recieve0x26(app, profileIndex, message);
        break;
    case 0x31:
        app.connection(profileIndex).Receive0x31(message);
        break;
    case 0x3A:
        app.connection(profileIndex).Receive0x3A(message);
        break;
    case 0x3D:
        app.connection(profileIndex).Receive0x3D(message);
        break;
    case 0x50:
        app.connection(profileIndex).Receive0x50(message);
        break;
    case 0x52:
        app.connection(profileIndex).Receive0x52(message);
        break;
    case 0x53:
        app.connection(profileIndex).Receive0x53(message);
        break;
    case 0x54:
        app.connection(profileIndex).Receive0x54(message);
        break;
    case 0x55:
        app.connection(profileIndex).Receive0x55(message);
        break;
    case 0x56:
        app.connection(profileIndex).Receive0x56(message);
        break;
    case 0x57:
        app.connection(profileIndex).Receive0x57(message);
        break;
    case 0x59:
        app.connection(profileIndex).Receive0x59();
        break;
    case 0x5A:
        app.connection(profileIndex).Receive0x5A(message);
        break;
    case 0x5B:
        app.connection(profileIndex).Receive0x5B(message);
        break;
    case 0x5E:
        app.AddChat(profileIndex,
                    {Rgb(0xBD3D3D),
                     QStringLiteral("You have received packet 0x5E. Tarnwell cannot respond to this packet as of the "
                                    "moment, which means you will be disconnected in the next 2 minutes. Sorry for "
                                    "the inconvenience.")});
        break;
    default:
        break;
    }
}
