#pragma once

#include "channel/CaselessName.h"
#include "profiles/PerProfileObject.h"

#include <QHash>
#include <QString>
#include <QtGlobal>

#include <list>

// One user in a channel, as last reported by the server.
struct ChannelUser {
    QString Username;
    qint32 Latency = 0;
    quint32 Flags = 0;
    QString Product; // the statstring, as last reported non-empty
    quint32 Uptime = 0; // tick count at arrival, not a duration
};

// The users in one profile's current channel, in arrival order. Names are
// looked up without regard to letter case, through an index, so that a busy
// channel costs no more per event than a quiet one.
//
// The store holds at most kCapacity: the characters of every name and
// statstring, and kShareOfEachUser more for each user's own bookkeeping. A
// crowded real channel uses a small part of it; what would go beyond is
// refused, so that a server listing users without end cannot fill the memory.
class clsUsers : public PerProfileObject {
public:
    using PerProfileObject::PerProfileObject;

    static constexpr qsizetype kCapacity = 4'000'000;
    static constexpr qsizetype kShareOfEachUser = 200;

    // Stores the user at the end; a user already stored moves there and
    // starts a new uptime. Beyond the capacity it throws Failure and
    // changes nothing.
    void AddUser(const QString &username, qint32 latency, quint32 flags, const QString &product, quint32 uptime);
    // Updates a stored user's flags and latency, and the statstring when the
    // new one is not empty; keeps its place and uptime. Unknown names are
    // ignored. Beyond the capacity it throws Failure and changes nothing.
    void ModifyUser(const QString &username, quint32 flags, qint32 latency, const QString &product);
    // Unknown names are ignored.
    void RemoveUser(const QString &username);
    void ClearUsers();

    bool HasUser(const QString &username) const;
    // The 0-based place in arrival order, or -1.
    int GetUserIndex(const QString &username) const;
    int UserlistCount() const { return static_cast<int>(m_users.size()); }
    // The fields of a stored user; an unknown name throws Failure.
    qint32 GetLatency(const QString &username) const { return stored(username).Latency; }
    quint32 GetFlags(const QString &username) const { return stored(username).Flags; }
    QString GetStatstring(const QString &username) const { return stored(username).Product; }
    quint32 GetUptime(const QString &username) const { return stored(username).Uptime; }

private:
    using Users = std::list<ChannelUser>;
    const ChannelUser &stored(const QString &username) const;
    // The stored record, or null.
    ChannelUser *find(const QString &username) const;
    // Throws Failure unless the store can grow by this much.
    void RequireRoom(qsizetype growth, const QString &username) const;

    Users m_users;
    QHash<CaselessName, Users::iterator> m_byName;
    qsizetype m_used = 0;
};
