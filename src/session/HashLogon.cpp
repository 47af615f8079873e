// The password-hash logon: message 0x3A and its reply.

#include "profiles/Profile.h"
#include "session/HashLogonFields.h"
#include "session/HexWord.h"
#include "session/ReplyReader.h"
#include "session/clsConnection.h"

void clsConnection::Send0x3A()
{
    profile().guard("Send0x3A()", "clsConnection", [&] {
        const LogonState &logon = profile().logon();
        const ProfileRecord &record = profile().record();
        clsDataWriter writer;
        InsertPasswordProof(writer, logon, record.Password);
        writer.InsertCStringText(record.Username);
        SendPacket(0x3A, writer.buffer);
    });
}

void clsConnection::Receive0x3A(clsDataBuffer &message)
{
    profile().guard("Receive0x3A()", "clsConnection", [&] {
        ReplyReader reply(message);
        const quint32 result = reply.int32();
        // Real servers send the result alone: no reason text is no reason.
        const QString reason = reply.atEnd() ? QString() : reply.text();
        switch (result & 0xFF) {
        case 0:
            Chat(Rgb(0xC2B822), QStringLiteral("Login accepted, entering chat environment..."));
            JoinChat();
            break;
        case 1:
            Chat(Rgb(0xBD3D3D), QStringLiteral("Account does not exist!"));
            Send0x3D();
            break;
        case 2:
            DisconnectWith(QStringLiteral("Password was incorrect!"));
            break;
        default:
            profile().AddChat({QStringLiteral("Unexpected login result (") + HexWord(result) + QStringLiteral(")")});
            Disconnect();
            break;
        }
        if (!reason.isEmpty()) {
            Chat(Rgb(0xBD3D3D), QStringLiteral("A Battle.net representative closed your account!"));
            profile().AddChat({reason});
            Disconnect();
        }
    });
}
