#include "session/Send.h"

#include "commands/LineSplit.h"
#include "packet/clsDataWriter.h"
#include "platform/WireText.h"
#include "profiles/Profile.h"
#include "session/FloodGuard.h"
#include "session/clsConnection.h"

namespace {

const Colour kRefusalColour = Rgb(0xBD3D3D);

void sendPiece(Profile &profile, const QString &piece, SendBy by)
{
    const ProfileRecord &record = profile.record();
    if (record.Flood.on) {
        const qsizetype bytes = WireLength(piece, record.Encoding);
        const int weight = FloodPacer::weight(record.Flood, bytes, IsEmoteCommand(piece));
        if (profile.floodGuard().hold(piece, weight, by == SendBy::Server))
            return;
    }
    SendNow(profile, piece, true);
}

} // namespace

void Send(Profile &profile, const QString &text, SendBy by)
{
    profile.guard("Send()", "modFunctions", [&] {
        if (!profile.isConnected()) {
            profile.AddChat({kRefusalColour, QStringLiteral("You are not connected to Battle.net.")});
            return;
        }
        const ProfileRecord &record = profile.record();
        const LinePieces split = SplitLongLine(text, record.MaxLineBytes, record.Encoding);
        if (split.refused) {
            profile.AddChat({kRefusalColour, QStringLiteral("Command not sent: it is ") +
                                             QString::number(WireLength(text, record.Encoding)) +
                                             QStringLiteral(" bytes long as sent, and this profile sends at most ") +
                                             QString::number(record.MaxLineBytes) +
                                             QStringLiteral(" bytes in one line.")});
            return;
        }
        for (const QString &piece : split.pieces)
            sendPiece(profile, piece, by);
    });
}

void SendNow(Profile &profile, const QString &line, bool echo)
{
    const ProfileRecord &record = profile.record();
    const WireText::Encoded wire = WireText::encode(line, record.Encoding);
    clsDataWriter writer;
    writer.InsertCString(wire.bytes);
    // The longest line a profile may set fits one message well.
    profile.connection().SendPacket(0x0E, writer.buffer);
    if (echo && !line.startsWith(QLatin1Char('/'))) {
        // What the others read, not what was typed.
        profile.AddChat({kEchoNameColour, profile.state().AccountName, QStringLiteral(": "),
                                   EchoTextColour(profile), WireText::decode(wire.bytes, record.Encoding)});
    }
    ReportUnsendable(profile, wire.unsendable);
}

Colour EchoTextColour(const Profile &profile)
{
    // The profile's own channel: a line sent by a profile in the background
    // (anti-idle, the flood guard) is not coloured by the one on screen.
    const bool techSupport = profile.state().CurrentChannel.contains(QLatin1String("Blizzard Tech Support"));
    return techSupport ? Rgb(0xAAAAAA) : Rgb(0xFFFFFF);
}

void ReportUnsendable(Profile &profile, int count)
{
    if (count <= 0)
        return;
    const QString what = count == 1 ? QStringLiteral(" character") : QStringLiteral(" characters");
    profile.AddChat({Rgb(0xAAAAAA), QString::number(count) + what +
                                                  QStringLiteral(" could not be sent in this server's character set.")});
}
