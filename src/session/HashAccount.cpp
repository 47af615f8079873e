// Account creation (0x3D) and password change (0x31) for the password-hash
// logon.

#include "platform/Failure.h"
#include "profiles/Profile.h"
#include "session/HashLogonFields.h"
#include "session/HexWord.h"
#include "session/ReplyReader.h"
#include "session/clsConnection.h"

void clsConnection::Send0x3D()
{
    const ProfileRecord &record = profile().record();
    Chat(Rgb(0xAAAAAA), QStringLiteral("Attempting to create your account..."));
    clsDataWriter writer;
    writer.InsertString(hashPassword(LowerCasePassword(record.Password)));
    writer.InsertCStringText(record.Username);
    SendPacket(0x3D, writer.buffer);
}

void clsConnection::Receive0x3D(clsDataBuffer &message)
{
    profile().guard("Receive0x3D()", "clsConnection", [&] {
        const quint32 status = ReplyReader(message).int32();
        // The server's known refusals leave the connection open.
        const auto refused = [&](const char *reason) {
            Chat(Rgb(0xBD3D3D), QStringLiteral("Account cannot be created, ") + QLatin1String(reason));
        };
        switch (status) {
        case 0:
            ReportAccountCreated();
            Send0x3A();
            break;
        case 2:
            refused("it contained invalid characters!");
            break;
        case 3:
            refused("it contained banned word!");
            break;
        case 4:
            refused("it already exists!");
            break;
        case 6:
            refused("not enough characters!");
            break;
        default:
            DisconnectWith(QStringLiteral("Unexpected create account result (") + HexWord(status) +
                           QStringLiteral(")!"));
            break;
        }
    });
}

void clsConnection::Send0x31()
{
    profile().guard("Send0x31()", "clsConnection", [&] {
        const LogonState &logon = profile().logon();
        const ProfileRecord &record = profile().record();
        clsDataWriter writer;
        InsertPasswordProof(writer, logon, record.Password);
        writer.InsertString(hashPassword(LowerCasePassword(record.NewPassword)));
        writer.InsertCStringText(record.Username);
        SendPacket(0x31, writer.buffer);
        Chat(Rgb(0xAAAAAA), QStringLiteral("Attempting to change your password..."));
    });
}

void clsConnection::Receive0x31(clsDataBuffer &message)
{
    profile().guard("Receive0x31()", "clsConnection", [&] {
        const quint32 result = ReplyReader(message).int32();
        // Only a change this profile asked for can be confirmed: a reply out
        // of nowhere would save the empty new password over the real one.
        if (profile().record().NewPassword.isEmpty())
            throw Failure(Failure::ProtocolData, QStringLiteral("Password change reply without a change under way"));
        if ((result & 0xFF) != 1) {
            DisconnectWith(QStringLiteral("Password change failed!"));
            return;
        }
        if (!StoreNewPassword())
            return;
        Chat(Rgb(0x65D346), QStringLiteral("Your password has been changed successfully."));
        Send0x3A();
    });
}
