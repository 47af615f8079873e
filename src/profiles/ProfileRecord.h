#pragma once

#include "commands/FloodQuota.h"
#include "commands/LineSplit.h"
#include "platform/WireText.h"
#include "session/CloseReconnection.h"

#include <QString>
#include <QtGlobal>

// Settings and live state of one profile slot, field by field.
struct ProfileRecord {
    QString Name;              // profile name = folder name
    bool Active = false;       // the slot holds a live profile
    bool ReconnectPending = false; // a socket error ended the connection; retried after a wait
    int ErrorReconnects = 0;       // retries since the profile last stayed in chat
    quint32 ReconnectDueFrom = 0;  // tick count the wait for the next retry started at
    quint32 ReconnectDelay = 0;
    QString Username;          // account name for logon, create and register
    QString UniqueName;        // the name the server gave this logon in chat (e.g. "Name#2")
    QString AccountName;       // account name the server reports on entering chat
    QString Password;
    QString NewPassword;
    QString Home;
    QString Server;
    QString Product;
    QString Email;
    QString NewEmail;
    QString Spoof;
    QString UDPPlug;
    QString Mode;
    QString Verbyte;
    QString CustomPing;
    qint16 OwnPing = 0;
    quint32 EnterChatTick = 0; // 0 = not in chat
    QString Statstring;
    QString CurrentChannel;
    QString Scheme;
    quint32 ConnectTick = 0;
    QString IdleMessage;
    qint16 IdleInterval = 0;
    bool IdleEnabled = false;
    quint32 LastIdleTick = 0;
    bool MilitaryTime = false;
    bool LockScreen = false;
    bool JoinLeave = false;
    bool VoidView = false;
    WireEncoding Encoding = WireEncoding::Windows1252; // what the profile sends
    // Newer settings (MoreOptions); a missing key means off.
    bool LogChat = false;
    bool ChatLogFailureShown = false; // a log that cannot be written is reported once
    bool ReconnectAfterClose = false;
    FloodQuota Flood;
    int MaxLineBytes = LinePieces::kDefaultMaxBytes; // longer lines go out cut into lines of at most this
    // The reconnection after a close by the server, while one runs.
    CloseReconnection AfterClose;
};
