#include "session/PacketDispatch.h"

#include "channel/clsBNCS.h"
#include "packet/clsDataBuffer.h"
#include "profiles/Profile.h"
#include "session/ProfileReplies.h"
#include "session/clsConnection.h"

// The one table of incoming message ids: every message the client
// understands has its case here, calling the handler of the profile's
// clsConnection (0x0A, 0x26, 0x31, 0x3A, 0x3D, 0x50, 0x52 to 0x57, 0x59,
// 0x5A, 0x5B) or clsBNCS (0x0F) as those handlers are written.
void DispatchPacket(Profile &profile, quint8 id, clsDataBuffer &message)
{
    switch (id) {
    case 0x00:
        profile.connection().Receive0x00();
        break;
    case 0x0A:
        profile.connection().Receive0x0A(message);
        break;
    case 0x0F:
        profile.bncs().ParseEvents(message);
        break;
    case 0x25:
        profile.connection().Receive0x25(message);
        break;
    case 0x26:
        Recieve0x26(profile, message);
        break;
    case 0x31:
        profile.connection().Receive0x31(message);
        break;
    case 0x3A:
        profile.connection().Receive0x3A(message);
        break;
    case 0x3D:
        profile.connection().Receive0x3D(message);
        break;
    case 0x50:
        profile.connection().Receive0x50(message);
        break;
    case 0x52:
        profile.connection().Receive0x52(message);
        break;
    case 0x53:
        profile.connection().Receive0x53(message);
        break;
    case 0x54:
        profile.connection().Receive0x54(message);
        break;
    case 0x55:
        profile.connection().Receive0x55(message);
        break;
    case 0x56:
        profile.connection().Receive0x56(message);
        break;
    case 0x57:
        profile.connection().Receive0x57(message);
        break;
    case 0x59:
        profile.connection().Receive0x59();
        break;
    case 0x5A:
        profile.connection().Receive0x5A(message);
        break;
    case 0x5B:
        profile.connection().Receive0x5B(message);
        break;
    case 0x5E:
        profile.AddChat({Rgb(0xBD3D3D),
                     QStringLiteral("You have received packet 0x5E. Tarnwell cannot respond to this packet as of the "
                                    "moment, which means you will be disconnected in the next 2 minutes. Sorry for "
                                    "the inconvenience.")});
        break;
    default:
        break;
    }
}
