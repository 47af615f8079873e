// The account's e-mail address: registering one when the server asks (0x59),
// and the requests the profile's Mode setting makes after the 0x50 reply:
// switching e-mail addresses (0x5B) and retrieving the password (0x5A).

#include "packet/clsDataWriter.h"
#include "platform/Failure.h"
#include "profiles/Profile.h"
#include "profiles/Settings.h"
#include "session/HexWord.h"
#include "session/ReplyReader.h"
#include "session/clsConnection.h"

namespace {

const QString kRegistration = QStringLiteral("Registration");
const QString kDisabled = QStringLiteral("Disabled");

// The request is made; Mode "Disabled" keeps it from being made again. A
// settings file that cannot be written (a read-only folder, a full disk) is
// reported and the logon goes on: it must not stop halfway for a setting.
void SaveModeDisabled(Profile &profile)
{
    try {
        profile.settings().WriteProfileSetting(profile.record().Name, kRegistration, QStringLiteral("Mode"),
                                           kDisabled);
    } catch (const Failure &failure) {
        profile.LogError(QStringLiteral("SaveModeDisabled()"), QStringLiteral("clsConnection"));
        profile.AddChat({Rgb(0xBD3D3D), QStringLiteral("The registration mode could not be saved: ") +
                                                      failure.description()});
    }
}

// "Change" and "Retrieve" ask once: asking again on every reconnection would
// send the user a reset e-mail each time. The mode becomes "Disabled", in the
// settings file and in memory.
void RegistrationRequestSent(Profile &profile)
{
    profile.record().Mode = kDisabled;
    SaveModeDisabled(profile);
}

} // namespace

void clsConnection::SendRegistrationRequests()
{
    ProfileRecord &record = profile().record();
    if (record.Mode == QLatin1String("Change") && !record.Email.isEmpty() && !record.NewEmail.isEmpty()) {
        Chat(Rgb(0x8FA685), QStringLiteral("Sent request for switching e-mails of this account."));
        clsDataWriter writer;
        writer.InsertCStringText(record.Username);
        writer.InsertCStringText(record.Email);
        writer.InsertCStringText(record.NewEmail);
        SendPacket(0x5B, writer.buffer);
        RegistrationRequestSent(profile());
    }
    if (record.Mode == QLatin1String("Retrieve") && !record.Email.isEmpty()) {
        Chat(Rgb(0x8FA685), QStringLiteral("Sent request for retrieving the password of this account."));
        clsDataWriter writer;
        writer.InsertCStringText(record.Username);
        writer.InsertCStringText(record.Email);
        SendPacket(0x5A, writer.buffer);
        RegistrationRequestSent(profile());
    }
}

void clsConnection::Receive0x59()
{
    const ProfileRecord &record = profile().record();
    const bool registering = record.Mode == QLatin1String("Register");
    // Servers ask on every logon of an account without an address; not
    // registering is the user's choice, told once a run, not a fault. Within
    // one connection the request is answered once, however often it comes.
    if ((!registering && m_registrationSkipShown) || m_registrationAnswered)
        return;
    m_registrationAnswered = true;
    Chat(Rgb(0x65D346), QStringLiteral("This account is not registered yet, checking settings on what to do..."));
    if (registering) {
        Chat(Rgb(0xAAAAAA), QStringLiteral("Attempting to register account..."));
        Send0x59(record.Email);
    } else {
        Chat(Rgb(0xAAAAAA), QStringLiteral("Registration is disabled, skipping request..."));
        m_registrationSkipShown = true;
    }
}

void clsConnection::Send0x59(const QString &email)
{
    if (email.isEmpty()) {
        Chat(Rgb(0xBD3D3D), QStringLiteral("The e-mail is empty, skipping registration.."));
        return;
    }
    clsDataWriter writer;
    writer.InsertCStringText(email);
    SendPacket(0x59, writer.buffer);
    Chat(Rgb(0x8FA685), QStringLiteral("Your account has been registered to the email: ") + email);
    // Only the setting changes: a second request in this run registers again.
    SaveModeDisabled(profile());
}

void clsConnection::Receive0x5A(clsDataBuffer &message)
{
    profile().guard("Receive0x5A()", "clsConnection",
                [&] { ReportRequestResult(message, QStringLiteral("retrieving the password")); });
}

void clsConnection::Receive0x5B(clsDataBuffer &message)
{
    profile().guard("Receive0x5B()", "clsConnection",
                [&] { ReportRequestResult(message, QStringLiteral("switching e-mails")); });
}

void clsConnection::ReportRequestResult(clsDataBuffer &message, const QString &request)
{
    ReplyReader reply(message);
    if (reply.atEnd())
        return;
    Chat(Rgb(0x8FA685), QStringLiteral("Battle.net answered the request for ") + request +
                            QStringLiteral(" with result ") + HexWord(reply.int32()) + QStringLiteral("."));
}
