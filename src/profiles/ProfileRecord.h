#pragma once

#include "commands/FloodQuota.h"
#include "commands/LineSplit.h"
#include "platform/WireText.h"

#include <QString>
#include <QtGlobal>

// The settings of one profile, field by field, as read from its folder and
// as the configuration dialog changes them.
struct ProfileRecord {
    QString Name;              // profile name = folder name
    bool Active = false;       // the slot holds a live profile
    QString Username;          // account name for logon, create and register
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
    QString Scheme;
    QString IdleMessage;
    qint16 IdleInterval = 0;
    bool IdleEnabled = false;
    bool MilitaryTime = false;
    bool LockScreen = false;
    bool JoinLeave = false;
    bool VoidView = false;
    WireEncoding Encoding = WireEncoding::Windows1252; // what the profile sends
    // Newer settings (MoreOptions); a missing key means off.
    bool LogChat = false;
    bool ReconnectAfterClose = false;
    FloodQuota Flood;
    int MaxLineBytes = LinePieces::kDefaultMaxBytes; // longer lines go out cut into lines of at most this
};
