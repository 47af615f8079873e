#pragma once

#include "commands/LineHistory.h"
#include "profiles/ProfileRecord.h"
#include "session/LogonState.h"

#include <QByteArray>
#include <memory>

class QTcpSocket;
class QTextDocument;
class clsConnection;
class clsBNCS;
class clsUsers;
class clsFilters;
class FloodGuard;

// Everything one profile index stands for: its record, its logon state, its
// per-profile objects (created on first use), its socket and its chat pane.
// A slot is never removed; a deleted profile's slot is reused.
struct ProfileSlot {
    ProfileSlot();
    ~ProfileSlot();
    ProfileSlot(const ProfileSlot &) = delete;
    ProfileSlot &operator=(const ProfileSlot &) = delete;

    ProfileRecord record;
    LogonState logon;
    std::unique_ptr<clsConnection> connection;
    std::unique_ptr<clsBNCS> bncs;
    std::unique_ptr<clsUsers> users;
    std::unique_ptr<clsFilters> filters;
    std::unique_ptr<FloodGuard> floodGuard;
    // The lines the user sent, for Up and Down in the input box.
    LineHistory history;

    // The control set; null until the slot is given one.
    QTcpSocket *socket = nullptr;
    QTextDocument *pane = nullptr;
    // A hidden pane marks a slot that a new profile may take.
    bool paneShown = false;
};
