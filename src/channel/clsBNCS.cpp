#include "channel/clsBNCS.h"

#include "channel/ChannelFlags.h"
#include "channel/ChannelUserModel.h"
#include "channel/ChatEvent.h"
#include "channel/ChatNames.h"
#include "channel/UserFlags.h"
#include "channel/clsUsers.h"
#include "channel/modStatString.h"
#include "filters/clsFilters.h"
#include "platform/Clock.h"
#include "platform/Failure.h"
#include "platform/ServerDataFailure.h"
#include "profiles/Profile.h"
#include "session/Send.h"
#include "session/clsConnection.h"


#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr quint8 kMessageFilter = 0;
constexpr quint8 kUserFilter = 1;

qint16 ToOwnPing(qint32 ping)
{
    if (ping < std::numeric_limits<qint16>::min() || ping > std::numeric_limits<qint16>::max())
        throw ServerDataFailure(Failure::Overflow, u"Overflow"_s);
    return static_cast<qint16>(ping);
}

} // namespace

void clsBNCS::ParseEvents(clsDataBuffer &buffer)
{
    profile().guard("ParseEvents()", "clsBNCS", [&] { HandleEvent(ReadChatEvent(buffer)); });
}

void clsBNCS::HandleEvent(const ChatEvent &event)
{
    switch (event.id) {
    case ChatEventId::ShowUser:
        return ShowUser(event);
    case ChatEventId::Join:
        return Join(event);
    case ChatEventId::Leave:
        return Leave(event);
    case ChatEventId::WhisperFrom:
        return WhisperFrom(event);
    case ChatEventId::Talk:
        return Talk(event);
    case ChatEventId::Broadcast:
    case ChatEventId::Information:
        return profile().AddChat({Rgb(0x7EA1D4), event.text});
    case ChatEventId::Channel:
        return EnterChannel(event);
    case ChatEventId::FlagsUpdate:
        return FlagsUpdate(event);
    case ChatEventId::WhisperTo:
        return profile().AddChat({Rgb(0x88C580), u"To: "_s + event.username + u": "_s, Rgb(0xAAAAAA), event.text});
    case ChatEventId::ChannelFull:
        return profile().AddChat({Rgb(0xBD3D3D), u"Channel is full!"_s});
    case ChatEventId::ChannelMissing:
        return profile().AddChat({Rgb(0xBD3D3D), u"Channel is empty!"_s});
    case ChatEventId::ChannelRestricted:
        return profile().AddChat({Rgb(0xBD3D3D), u"Channel is restricted!"_s});
    case ChatEventId::Error:
        return profile().AddChat({Rgb(0xBD3D3D), event.text});
    case ChatEventId::Emote:
        return Emote(event);
    default:
        return; // events the client has no use for
    }
}

void clsBNCS::ShowUser(const ChatEvent &event)
{
    const quint32 tick = profile().clock().tickCount();
    clsUsers &users = profile().users();
    if (users.HasUser(event.username)) {
        users.ModifyUser(event.username, event.flags, event.ping, event.text);
        AddUser(event.username, event.flags, event.ping, event.text, 0);
        profile().AddChat({Rgb(0xFFFFFF), BoldOn, u"Stats update: "_s, BoldOff, Rgb(0xAAAAAA),
                              event.username + u" is here using "_s + DescribeUser(event.username, event.text) +
                                  u" with a ping time of "_s + QString::number(event.ping) + u" and flags of "_s +
                                  QString::number(event.flags)});
    } else {
        users.AddUser(event.username, event.ping, event.flags, event.text, tick);
        AddUser(event.username, event.flags, event.ping, event.text, 0);
    }
    if (event.username == profile().state().AccountName)
        profile().state().OwnPing = ToOwnPing(event.ping);
}

void clsBNCS::Join(const ChatEvent &event)
{
    const quint32 tick = profile().clock().tickCount();
    profile().users().AddUser(event.username, event.ping, event.flags, event.text, tick);
    AddUser(event.username, event.flags, event.ping, event.text, 0);
    if (profile().filters().FindFilter(kUserFilter, event.username) || !profile().record().JoinLeave)
        return;
    profile().AddChat({Rgb(0x65D346), event.username, BoldOn, u" joined "_s, BoldOff,
                          u"the channel using ("_s + DescribeUser(event.username, event.text) + u") with a ping time of "_s +
                              QString::number(event.ping) + u"."_s});
}

void clsBNCS::Leave(const ChatEvent &event)
{
    profile().users().RemoveUser(event.username);
    RemoveUser(event.username);
    if (profile().filters().FindFilter(kUserFilter, event.username) || !profile().record().JoinLeave)
        return;
    profile().AddChat({Rgb(0x65D346), event.username + u" has "_s, BoldOn, u"left "_s, BoldOff,
                          u"the channel."_s});
}

void clsBNCS::WhisperFrom(const ChatEvent &event)
{
    if (IsFiltered(event))
        return;
    const Colour nameColour = Mentions(GetAccountName(event.text)) ? Rgb(0xD8AD3A) : Rgb(0x8AABD1);
    profile().AddChat({nameColour, u"From: "_s + event.username + u": "_s, Rgb(0xAAAAAA), event.text});
    Q_EMIT profile().activity();
    Q_EMIT profile().whisperReceived(event.username, event.text);
}

void clsBNCS::Talk(const ChatEvent &event)
{
    if (IsFiltered(event))
        return;
    const QString separator = u": "_s;
    ChatItems line;
    if (Mentions(event.text))
        line = {Rgb(0xD8AD3A), event.username, separator, Rgb(0xFFFFFF), event.text};
    else if (event.flags & UserFlag::Representative)
        line = {Rgb(0xFFFFFF), event.username, separator, Rgb(0x00FFFF), event.text};
    else if (event.flags & UserFlag::Operator)
        line = {Rgb(0xFFFFFF), event.username, separator + event.text};
    else
        line = {Rgb(0x55AEFF), event.username, separator, Rgb(0xFFFFFF), event.text};
    profile().AddChat(line);
    Q_EMIT profile().activity();
    if (Mentions(event.text))
        Q_EMIT profile().mentioned(event.username, event.text);
}

void clsBNCS::EnterChannel(const ChatEvent &event)
{
    ProfileRecord &record = profile().record();
    profile().state().CurrentChannel = event.text;
    profile().users().ClearUsers();
    m_undescribedUsers.clear();
    const QString flagWords = DescribeChannelFlags(event.flags);
    profile().AddChat({Rgb(0xBD3D3D), u"Joined channel "_s + event.text + u" "_s, BoldOn,
                          u"("_s + flagWords.chopped(2) + u")"_s, BoldOff});
    rows().clear();
    ShowRowCount();
    // The server answers by reporting the users of the silent channel "The
    // Void" as flag updates.
    if (record.VoidView && profile().connection().answeringServer())
        Send(profile(), u"/unignore "_s + GetNamePrefix(record.Product) + profile().state().AccountName, SendBy::Server);
}

void clsBNCS::FlagsUpdate(const ChatEvent &event)
{
    const quint32 tick = profile().clock().tickCount();
    clsUsers &users = profile().users();
    // The Void lists nobody, so each flag update there is a user being present;
    // in any other channel, "The Void Lounge" too, it only changes a user.
    // The store comes first here as everywhere: a user it refuses gets no row.
    if (profile().state().CurrentChannel.compare(u"The Void"_s, Qt::CaseInsensitive) == 0) {
        users.AddUser(event.username, event.ping, event.flags, event.text, tick);
        AddUser(event.username, event.flags, event.ping, event.text, 0);
        return;
    }
    // The server also updates users that have no row yet, such as the
    // profile itself just before it is listed: only the store takes those.
    users.ModifyUser(event.username, event.flags, event.ping, event.text);
    const int row = rows().rowWithText(u" "_s + event.username);
    // The update rarely carries a statstring: the row is rebuilt from what
    // the store holds, so it keeps its product.
    if (row > 0 && users.HasUser(event.username))
        AddUser(event.username, users.GetFlags(event.username), users.GetLatency(event.username),
                users.GetStatstring(event.username), row);
}

void clsBNCS::Emote(const ChatEvent &event)
{
    if (IsFiltered(event))
        return;
    profile().AddChat({Rgb(0xCBC98C), BoldOn, u"* "_s, BoldOff, event.username + u" "_s + event.text});
}

QString clsBNCS::DescribeUser(const QString &username, const QString &statstring)
{
    try {
        return DescribeStatstring(statstring);
    } catch (...) {
        if (!m_undescribedUsers.contains(username) && m_undescribedUsers.size() < kMaxUndescribedUsers) {
            m_undescribedUsers.insert(username);
            profile().LogError(u"DescribeUser()"_s, u"clsBNCS"_s);
        }
        return ProductName(statstring);
    }
}

bool clsBNCS::IsFiltered(const ChatEvent &event) const
{
    const clsFilters &filters = profile().filters();
    return filters.FindFilter(kMessageFilter, event.text) || filters.FindFilter(kUserFilter, event.username);
}

bool clsBNCS::Mentions(const QString &text) const
{
    const QString &name = profile().state().UniqueName;
    // Before the server has named the profile nothing mentions it.
    return !name.isEmpty() && text.toLower().contains(name.toLower());
}
