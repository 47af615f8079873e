#include "session/ProfileReplies.h"

#include "commands/Send.h"
#include "packet/clsDataBuffer.h"
#include "platform/Failure.h"
#include "profiles/TarnwellApp.h"
#include "session/ProfileKeys.h"
#include "session/clsConnection.h"
#include "session/frmProfile.h"
#include "session/modParseKeys.h"

#include <QLineEdit>
#include <QtEndian>
#include <QRegularExpression>
#include <QTextEdit>

namespace {

// Values start after the three 32-bit header fields of the payload.
constexpr qsizetype kValuesOffset = 4 + 12;
constexpr qsizetype kKeyCountOffset = 4 + 4;
constexpr qsizetype kRequestIdOffset = 4 + 8;

const Colour kLabelColour = Rgb(0x55AEFF);
const Colour kValueColour = Rgb(0xAAAAAA);

QString leadingNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]*"));
    return digits.match(text).captured();
}

void showProfile(TarnwellApp &app, int profileIndex, const QByteArray &message)
{
    const QStringList values = ProfileKeys::replyValues(message.mid(kValuesOffset), ProfileKeys::kProfileKeyCount + 1);
    if (values.size() < ProfileKeys::kProfileKeyCount)
        throw Failure(Failure::ProtocolData, QStringLiteral("Profile reply with %1 of 4 values").arg(values.size()));
    // A reply to an earlier request, or to another profile's, would show one
    // user's profile under another's name or overwrite what the user typed.
    const quint32 id = qFromLittleEndian<quint32>(message.constData() + kRequestIdOffset);
    frmProfile &window = app.profileWindow();
    if (window.takesReply(profileIndex, id))
        window.showValues(values[0], values[2], values[3]);
}

} // namespace

void Recieve0x26(TarnwellApp &app, int profileIndex, clsDataBuffer &message)
{
    app.guard("Recieve0x26()", "clsConnection", [&] {
        const QByteArray &bytes = message.buffer;
        if (bytes.size() < kValuesOffset)
            throw Failure(Failure::ProtocolData, QStringLiteral("Key reply of %1 bytes").arg(bytes.size()));
        switch (static_cast<quint8>(bytes[kKeyCountOffset])) {
        case ProfileKeys::kProfileKeyCount:
            showProfile(app, profileIndex, bytes);
            break;
        case ProfileKeys::kAccountKeyCount:
            ShowAccountKeys(app, profileIndex, bytes);
            break;
        default:
            break;
        }
    });
}

void ShowAccountKeys(TarnwellApp &app, int profileIndex, const QByteArray &message)
{
    const QStringList values = ProfileKeys::replyValues(message.mid(kValuesOffset), ProfileKeys::kAccountKeyCount);
    // A box here would hold every connection still behind its event loop,
    // once for each such reply: the chat says it instead.
    if (values.size() < ProfileKeys::kAccountKeyCount) {
        app.AddChat(profileIndex, {Rgb(0xBD3D3D), QStringLiteral("Error: Not enough profile keys??")});
        return;
    }
    const QString &created = values[6];
    const QString &logon = values[7];
    const QString &logoff = values[8];
    // The last value runs to the end of the message, terminator included.
    QString timeLogged = values[9];
    while (timeLogged.endsWith(QChar(0)))
        timeLogged.chop(1);
    const QString never = QStringLiteral("Never logged on");
    const auto line = [&](const char *label, const QString &value) {
        app.AddChat(profileIndex, {kLabelColour, QString::fromLatin1(label), kValueColour, value});
    };
    line("Account created: ", created.isEmpty() ? QStringLiteral("Unavailable") : AccountDateText(created));
    line("Last logon: ", logon.isEmpty() ? never : AccountDateText(logon));
    line("Last log off: ", logoff.isEmpty() ? never : AccountDateText(logoff));
    line("Time Logged: ", timeLogged.isEmpty() ? never : DurationText(leadingNumber(timeLogged).toULongLong()));
}

void SaveProfile(TarnwellApp &app)
{
    app.guard("cmdSave_Click", "frmProfile", [&] {
        frmProfile &window = app.profileWindow();
        // The profile the window was opened on, whichever is on screen now,
        // and only while it is still logged on with the same account.
        const frmProfile::Request &opened = window.request();
        if (opened.ownAccount.isEmpty() ||
            app.record(opened.profileIndex).AccountName.compare(opened.ownAccount, Qt::CaseInsensitive) != 0)
            throw Failure(Failure::InvalidCall, QStringLiteral("The profile window's account is no longer logged on"));
        WireText::Encoded request =
            ProfileKeys::writeRequest(opened.ownAccount, window.txtSex->text(), window.txtLocation->text(),
                                      window.rtbDes->toPlainText(), app.record(opened.profileIndex).Encoding);
        app.connection(opened.profileIndex).SendPacket(0x27, request.bytes);
        ReportUnsendable(app, opened.profileIndex, request.unsendable);
        window.close();
    });
}
