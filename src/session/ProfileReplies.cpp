#include "session/ProfileReplies.h"

#include "packet/clsDataBuffer.h"
#include "platform/Failure.h"
#include "profiles/Profile.h"
#include "session/ProfileKeys.h"
#include "session/modParseKeys.h"

#include <QtEndian>
#include <QRegularExpression>

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

void showProfile(Profile &profile, const QByteArray &message)
{
    const QStringList values = ProfileKeys::replyValues(message.mid(kValuesOffset), ProfileKeys::kProfileKeyCount + 1);
    if (values.size() < ProfileKeys::kProfileKeyCount)
        throw Failure(Failure::ProtocolData, QStringLiteral("Profile reply with %1 of 4 values").arg(values.size()));
    const quint32 id = qFromLittleEndian<quint32>(message.constData() + kRequestIdOffset);
    Q_EMIT profile.userProfileReceived(id, values);
}

} // namespace

void Recieve0x26(Profile &profile, clsDataBuffer &message)
{
    profile.guard("Recieve0x26()", "clsConnection", [&] {
        const QByteArray &bytes = message.buffer;
        if (bytes.size() < kValuesOffset)
            throw Failure(Failure::ProtocolData, QStringLiteral("Key reply of %1 bytes").arg(bytes.size()));
        switch (static_cast<quint8>(bytes[kKeyCountOffset])) {
        case ProfileKeys::kProfileKeyCount:
            showProfile(profile, bytes);
            break;
        case ProfileKeys::kAccountKeyCount:
            ShowAccountKeys(profile, bytes);
            break;
        default:
            break;
        }
    });
}

void ShowAccountKeys(Profile &profile, const QByteArray &message)
{
    const QStringList values = ProfileKeys::replyValues(message.mid(kValuesOffset), ProfileKeys::kAccountKeyCount);
    // A box here would hold every connection still behind its event loop,
    // once for each such reply: the chat says it instead.
    if (values.size() < ProfileKeys::kAccountKeyCount) {
        profile.AddChat({Rgb(0xBD3D3D), QStringLiteral("Error: Not enough profile keys??")});
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
        profile.AddChat({kLabelColour, QString::fromLatin1(label), kValueColour, value});
    };
    line("Account created: ", created.isEmpty() ? QStringLiteral("Unavailable") : AccountDateText(created));
    line("Last logon: ", logon.isEmpty() ? never : AccountDateText(logon));
    line("Last log off: ", logoff.isEmpty() ? never : AccountDateText(logoff));
    line("Time Logged: ", timeLogged.isEmpty() ? never : DurationText(leadingNumber(timeLogged).toULongLong()));
}
