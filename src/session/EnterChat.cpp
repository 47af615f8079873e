// Entering chat once the server has accepted the logon.

#include "commands/Send.h"
#include "packet/clsDataWriter.h"
#include "platform/Clock.h"
#include "platform/WireText.h"
#include "profiles/TarnwellApp.h"
#include "profiles/modProfiles.h"
#include "session/AccountKeysRequest.h"
#include "session/ReplyReader.h"
#include "session/clsConnection.h"

void clsConnection::JoinChat()
{
    app().guard("JoinChat()", "clsConnection", [&] {
        qint16 index = ProfileIndex();
        ProfileColor(app(), index, false, false);
        ProfileRecord &profile = app().record(ProfileIndex());
        // Logged on: a later failure is no reason to keep retrying.
        profile.ReconnectPending = false;

        clsDataWriter enterChat;
        enterChat.InsertCStringText(profile.Username);
        enterChat.InsertByte(0);
        SendPacket(0x0A, enterChat.buffer);

        clsDataWriter joinChannel;
        joinChannel.InsertInt32(1);
        joinChannel.InsertCString(WireText::encode(profile.Home, profile.Encoding).bytes);
        SendPacket(0x0C, joinChannel.buffer);
    });
}

void clsConnection::Receive0x0A(clsDataBuffer &message)
{
    app().guard("Receive0x0A()", "clsConnection", [&] {
        ReplyReader reply(message);
        const QString uniqueName = reply.text();
        const QString statstring = reply.text();
        const QString accountName = reply.text();
        ProfileRecord &profile = app().record(ProfileIndex());
        // The name the server gave this logon (for example "Name#2" when the
        // account is already on) is what the channel calls the profile; the
        // account still logs on, now and on every reconnection, by its own
        // name.
        profile.UniqueName = uniqueName;
        profile.Statstring = statstring;
        profile.AccountName = accountName;
        profile.EnterChatTick = app().clock().tickCount();
        Chat(Rgb(0xAAAAAA), QStringLiteral("Connected to Battle.net in ") +
                                QString::number(app().clock().ticksSince(profile.ConnectTick)) +
                                QStringLiteral("ms!"));
        // A server repeating the reply must not make the client ask and
        // join again each time, nor while it does not read what was sent.
        if (m_chatEntered || !answeringServer())
            return;
        m_chatEntered = true;
        RequestAccountKeys(app(), ProfileIndex());
        Send(app(), ProfileIndex(), QStringLiteral("/join ") + profile.Home, SendBy::Server);
    });
}
