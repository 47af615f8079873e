#include "channel/clsUsers.h"

#include "channel/clsBNCS.h"
#include "platform/Failure.h"
#include "profiles/TarnwellApp.h"

#include <iterator>

using namespace Qt::StringLiterals;

void clsUsers::AddUser(const QString &username, qint32 latency, quint32 flags, const QString &product,
                       quint32 uptime)
{
    RemoveUser(username);
    m_users.push_back(ChannelUser{username, latency, flags, product, uptime});
    m_byLowerName.insert(username.toLower(), std::prev(m_users.end()));
}

void clsUsers::ModifyUser(const QString &username, quint32 flags, qint32 latency, const QString &product)
{
    ChannelUser *user = find(username);
    if (!user)
        return;
    user->Flags = flags;
    user->Latency = latency;
    if (!product.isEmpty())
        user->Product = product;
}

void clsUsers::RemoveUser(const QString &username)
{
    const auto entry = m_byLowerName.constFind(username.toLower());
    if (entry == m_byLowerName.cend())
        return;
    m_users.erase(entry.value());
    m_byLowerName.erase(entry);
}

void clsUsers::ClearUsers()
{
    m_users.clear();
    m_byLowerName.clear();
}

bool clsUsers::HasUser(const QString &username) const
{
    return find(username) != nullptr;
}

int clsUsers::GetUserIndex(const QString &username) const
{
    const auto entry = m_byLowerName.constFind(username.toLower());
    if (entry == m_byLowerName.cend())
        return -1;
    return static_cast<int>(std::distance(m_users.cbegin(), Users::const_iterator(entry.value())));
}

void clsUsers::FillChannelList(qint16 profileIndex)
{
    app().guard("FillChanneList()", "clsUsers", [&] {
        clsBNCS &rows = app().bncs(profileIndex);
        for (const ChannelUser &user : m_users) {
            if (!user.Username.isEmpty())
                rows.AddUser(app().CurrentProfile, user.Username, user.Flags, user.Latency, user.Product,
                             user.Uptime, 0);
        }
    });
}

const ChannelUser &clsUsers::stored(const QString &username) const
{
    const ChannelUser *user = find(username);
    if (!user)
        throw Failure(Failure::InvalidCall, u"No user named \"%1\" in the channel"_s.arg(username));
    return *user;
}

ChannelUser *clsUsers::find(const QString &username) const
{
    const auto entry = m_byLowerName.constFind(username.toLower());
    return entry == m_byLowerName.cend() ? nullptr : &*entry.value();
}
