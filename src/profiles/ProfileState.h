#pragma once

#include "session/CloseReconnection.h"

#include <QString>
#include <QtGlobal>

// What one profile's connection has made of it while the program runs:
// what the server named it, where it is, and the state of its reconnection.
// Nothing of it is stored.
struct ProfileState {
    bool ReconnectPending = false; // a socket error ended the connection; retried after a wait
    int ErrorReconnects = 0;       // retries since the profile last stayed in chat
    quint32 ReconnectDueFrom = 0;  // tick count the wait for the next retry started at
    quint32 ReconnectDelay = 0;
    QString UniqueName;        // the name the server gave this logon in chat (e.g. "Name#2")
    QString AccountName;       // account name the server reports on entering chat
    qint16 OwnPing = 0;
    quint32 EnterChatTick = 0; // 0 = not in chat
    QString Statstring;
    QString CurrentChannel;
    quint32 ConnectTick = 0;
    quint32 LastIdleTick = 0;
    bool ChatLogFailureShown = false; // a log that cannot be written is reported once
    // The reconnection after a close by the server, while one runs.
    CloseReconnection AfterClose;
};
