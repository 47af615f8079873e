// The start of the logon and the steps both logon methods share.

#include "packet/clsDataBuffer.h"
#include "packet/clsDataWriter.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/Failure.h"
#include "platform/WipeText.h"
#include "profiles/Profile.h"
#include "profiles/Settings.h"
#include "session/HexWord.h"
#include "session/ReplyReader.h"
#include "session/clsConnection.h"

#include <utility>

namespace {

constexpr qint32 kHashLogon = 0;
constexpr qint32 kSrpLogon = 2;

} // namespace

void clsConnection::Receive0x50(clsDataBuffer &message)
{
    profile().guard("Receive0x50", "clsConnection", [&] {
        ReplyReader reply(message);
        const auto logonType = static_cast<qint32>(reply.int32());
        const quint32 serverToken = reply.int32();
        const quint32 udpValue = reply.int32();
        LogonState &logon = profile().logon();
        logon.LogonType = logonType;
        logon.ServerToken = serverToken;
        logon.UDPValue = udpValue;
        logon.ClientToken = profile().clock().tickCount();
        logon.SRP = logonType == kSrpLogon;
        if (logonType != kHashLogon && logonType != kSrpLogon) {
            Chat(Rgb(0xBD3D3D),
                 QStringLiteral("Unsupported logon type (") + HexWord(static_cast<quint32>(logonType)) +
                     QStringLiteral(")!"));
            return;
        }

        const ProfileRecord &record = profile().record();
        // Without "tenb" the server takes the client for one that cannot
        // answer its UDP test, which is what the UDP plug asks for.
        if (record.UDPPlug != QLatin1String("1")) {
            clsDataWriter tenb;
            tenb.InsertString("tenb");
            SendPacket(0x14, tenb.buffer);
        }
        SendRegistrationRequests();
        if (record.NewPassword.isEmpty()) {
            if (logon.SRP)
                Send0x53();
            else
                Send0x3A();
        } else if (logon.SRP) {
            Send0x55();
        } else {
            Send0x31();
        }
    });
}

void clsConnection::Chat(Colour colour, const QString &text)
{
    profile().AddChat({colour, text});
}

void clsConnection::DisconnectWith(const QString &line)
{
    Chat(Rgb(0xBD3D3D), line);
    Disconnect();
}

void clsConnection::ReportAccountCreated()
{
    Chat(Rgb(0x65D346), QStringLiteral("Account has been successfully created!"));
    // The server stores the hash of the lower-cased password.
    ProfileRecord &record = profile().record();
    record.Password = Cp1252::toLower(record.Password);
}

bool clsConnection::StoreNewPassword()
{
    ProfileRecord &record = profile().record();
    const QString login = QStringLiteral("Login");
    // One replacement of the file: a Password without the emptied New
    // Password would make the next logon change the password again, from one
    // the server no longer takes.
    try {
        profile().settings().WriteProfileSettings(record.Name, {{login, QStringLiteral("Password"), record.NewPassword},
                                                             {login, QStringLiteral("New Password"), QString()}});
    } catch (const Failure &failure) {
        profile().LogError(QStringLiteral("StoreNewPassword()"), QStringLiteral("clsConnection"));
        // The password itself stays out of the pane (panes can be saved and
        // logged); the settings file still holds it as New Password.
        DisconnectWith(QStringLiteral("The new password could not be saved: ") + failure.description() +
                       QStringLiteral(". Battle.net now takes the password held in this profile's New Password "
                                      "setting: make it the Password before you log on again."));
        return false;
    }
    WipeText(record.Password);
    record.Password = std::exchange(record.NewPassword, QString());
    return true;
}
