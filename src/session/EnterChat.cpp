// Entering chat once the server has accepted the logon.

#include "packet/clsDataWriter.h"
#include "platform/Clock.h"
#include "platform/WireText.h"
#include "profiles/Profile.h"
#include "session/AccountKeysRequest.h"
#include "session/ReplyReader.h"
#include "session/Send.h"
#include "session/clsConnection.h"

void clsConnection::JoinChat()
{
    profile().guard("JoinChat()", "clsConnection", [&] {
        Q_EMIT profile().connectionStateChanged();
        ProfileRecord &record = profile().record();
        // Logged on: a later failure is no reason to keep retrying.
        profile().state().ReconnectPending = false;

        clsDataWriter enterChat;
        enterChat.InsertCStringText(record.Username);
        enterChat.InsertByte(0);
        SendPacket(0x0A, enterChat.buffer);

        clsDataWriter joinChannel;
        joinChannel.InsertInt32(1);
        joinChannel.InsertCString(WireText::encode(record.Home, record.Encoding).bytes);
        SendPacket(0x0C, joinChannel.buffer);
    });
}

void clsConnection::Receive0x0A(clsDataBuffer &message)
{
    profile().guard("Receive0x0A()", "clsConnection", [&] {
        ReplyReader reply(message);
        const QString uniqueName = reply.text();
        const QString statstring = reply.text();
        const QString accountName = reply.text();
        ProfileRecord &record = profile().record();
        // The name the server gave this logon (for example "Name#2" when the
        // account is already on) is what the channel calls the profile; the
        // account still logs on, now and on every reconnection, by its own
        // name.
        profile().state().UniqueName = uniqueName;
        profile().state().Statstring = statstring;
        profile().state().AccountName = accountName;
        profile().state().EnterChatTick = profile().clock().tickCount();
        Chat(Rgb(0xAAAAAA), QStringLiteral("Connected to Battle.net in ") +
                                QString::number(profile().clock().ticksSince(profile().state().ConnectTick)) +
                                QStringLiteral("ms!"));
        // A server repeating the reply must not make the client ask and
        // join again each time, nor while it does not read what was sent.
        if (m_chatEntered || !answeringServer())
            return;
        m_chatEntered = true;
        RequestAccountKeys(profile());
        Send(profile(), QStringLiteral("/join ") + record.Home, SendBy::Server);
    });
}
