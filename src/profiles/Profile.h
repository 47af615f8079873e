#pragma once

#include "commands/LineHistory.h"
#include "display/ChatItem.h"
#include "profiles/Guarded.h"
#include "profiles/ProfileRecord.h"
#include "profiles/ProfileState.h"
#include "session/LogonState.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class Clock;
class ConnectionTimers;
class clsDataBuffer;
class FloodGuard;
class QTcpSocket;
class QTextDocument;
class Settings;
class clsBNCS;
class clsConnection;
class clsFilters;
class clsUsers;

// One profile as its parts know it: its record and logon state, its other
// parts, its chat pane, and the few program services they need. What the
// window or the rest of the program shows of it, the parts report by the
// signals below; they never reach a window themselves.
class Profile : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Profile() override;

    // Its settings, and apart from them what the running connection made of it.
    ProfileRecord &record() { return m_record; }
    const ProfileRecord &record() const { return m_record; }
    ProfileState &state() { return m_state; }
    const ProfileState &state() const { return m_state; }
    LogonState &logon() { return m_logon; }
    const LogonState &logon() const { return m_logon; }
    // The lines the user sent, for Up and Down in the input box.
    LineHistory &history() { return m_history; }

    // The parts, made on first use.
    virtual clsConnection &connection() = 0;
    virtual clsBNCS &bncs() = 0;
    virtual clsUsers &users() = 0;
    virtual clsFilters &filters() = 0;
    virtual FloodGuard &floodGuard() = 0;
    // The socket and the chat pane; Failure when the profile has none yet.
    virtual QTcpSocket &socket() const = 0;
    virtual QTextDocument &pane() const = 0;
    // The socket is open and connected.
    virtual bool isConnected() const = 0;
    // Hands one whole message of the server, the reader past its header,
    // to its handler. Failures are thrown to the caller.
    virtual void dispatch(quint8 id, clsDataBuffer &message) = 0;
    // The channel is left: its users and rows are forgotten.
    virtual void forgetChannel() = 0;

    // One time-stamped line in the pane (held back while the screen is
    // locked) and the chat log. Failures go to the error log.
    virtual void AddChat(const ChatItems &items) = 0;
    // Reports the exception being handled to the program's error log.
    virtual void LogError(const QString &procedure, const QString &module) = 0;
    // Runs a handler; a failure in it is reported under the handler's names
    // and goes no further.
    template <class Handler>
    void guard(const char *procedure, const char *module, Handler &&handler)
    {
        RunGuarded(*this, procedure, module, std::forward<Handler>(handler));
    }

    virtual Clock &clock() const = 0;
    virtual const Settings &settings() const = 0;
    // The keep-alive and reconnection timers every profile's connection shares.
    virtual ConnectionTimers &timers() const = 0;

Q_SIGNALS:
    // The text of the channel label: the channel and its number of users,
    // or that the profile is disconnected.
    void channelLabelChanged(const QString &label);
    // Connected, disconnected or entered chat: the profile's entry is
    // recoloured.
    void connectionStateChanged();
    // A line for the user arrived (talk or a whisper).
    void activity();
    void whisperReceived(const QString &from, const QString &text);
    // A line that names the profile.
    void mentioned(const QString &from, const QString &text);
    // A user's profile the server sent in answer to request `requestId`:
    // sex, age, location and description.
    void userProfileReceived(quint32 requestId, const QStringList &values);

private:
    ProfileRecord m_record;
    ProfileState m_state;
    LogonState m_logon;
    LineHistory m_history;
};
