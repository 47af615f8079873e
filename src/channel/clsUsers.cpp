#include "channel/clsUsers.h"

#include "platform/Failure.h"
#include "platform/ServerDataFailure.h"

#include <iterator>

using namespace Qt::StringLiterals;

namespace {

qsizetype Cost(const QString &username, const QString &product)
{
    return clsUsers::kShareOfEachUser + username.size() + product.size();
}

} // namespace

void clsUsers::AddUser(const QString &username, qint32 latency, quint32 flags, const QString &product,
                       quint32 uptime)
{
    const ChannelUser *replaced = find(username);
    RequireRoom(Cost(username, product) - (replaced ? Cost(replaced->Username, replaced->Product) : 0), username);
    RemoveUser(username);
    m_users.push_back(ChannelUser{username, latency, flags, product, uptime});
    m_byName.insert(CaselessName{username}, std::prev(m_users.end()));
    m_used += Cost(username, product);
}

void clsUsers::ModifyUser(const QString &username, quint32 flags, qint32 latency, const QString &product)
{
    ChannelUser *user = find(username);
    if (!user)
        return;
    if (!product.isEmpty()) {
        RequireRoom(product.size() - user->Product.size(), username);
        m_used += product.size() - user->Product.size();
        user->Product = product;
    }
    user->Flags = flags;
    user->Latency = latency;
}

void clsUsers::RemoveUser(const QString &username)
{
    const auto entry = m_byName.constFind(CaselessName{username});
    if (entry == m_byName.cend())
        return;
    m_used -= Cost(entry.value()->Username, entry.value()->Product);
    m_users.erase(entry.value());
    m_byName.erase(entry);
}

void clsUsers::ClearUsers()
{
    m_users.clear();
    m_byName.clear();
    m_used = 0;
}

void clsUsers::RequireRoom(qsizetype growth, const QString &username) const
{
    if (m_used + growth > kCapacity)
        throw ServerDataFailure(Failure::Overflow,
                      u"The channel's users fill the store: \"%1\" is not kept (%2 users are)"_s
                          .arg(username.left(32))
                          .arg(m_users.size()));
}

bool clsUsers::HasUser(const QString &username) const
{
    return find(username) != nullptr;
}

int clsUsers::GetUserIndex(const QString &username) const
{
    const auto entry = m_byName.constFind(CaselessName{username});
    if (entry == m_byName.cend())
        return -1;
    return static_cast<int>(std::distance(m_users.cbegin(), Users::const_iterator(entry.value())));
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
    const auto entry = m_byName.constFind(CaselessName{username});
    return entry == m_byName.cend() ? nullptr : &*entry.value();
}
