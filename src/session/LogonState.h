#pragma once

#include <QtGlobal>

// What the server's reply to the client information message decided for the
// current connection; overwritten by every such reply.
struct LogonState {
    qint32 LogonType = 0;    // 0 password-hash logon, 2 SRP logon
    quint32 ServerToken = 0;
    quint32 ClientToken = 0; // tick count when the reply was handled
    quint32 UDPValue = 0;
    bool SRP = false;
};
