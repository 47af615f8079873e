#include "commands/Send.h"

#include "commands/FloodGuard.h"
#include "commands/LineSplit.h"
#include "packet/clsDataWriter.h"
#include "platform/WireText.h"
#include "profiles/TarnwellApp.h"
#include "session/clsConnection.h"

namespace {

const Colour kRefusalColour = Rgb(0xBD3D3D);

void sendPiece(TarnwellApp &app, int profileIndex, const QString &piece, SendBy by)
{
    const ProfileRecord &profile = app.record(profileIndex);
    if (profile.Flood.on) {
        const qsizetype bytes = WireLength(piece, profile.Encoding);
        const int weight = FloodPacer::weight(profile.Flood, bytes, IsEmoteCommand(piece));
        if (app.floodGuard(profileIndex).hold(piece, weight, by == SendBy::Server))
            return;
    }
    SendNow(app, profileIndex, piece, true);
}

} // namespace

void Send(TarnwellApp &app, int profileIndex, const QString &text, SendBy by)
{
    app.guard("Send()", "modFunctions", [&] {
        if (!app.isConnected(profileIndex)) {
            app.AddChat(profileIndex, {kRefusalColour, QStringLiteral("You are not connected to Battle.net.")});
            return;
        }
        const ProfileRecord &profile = app.record(profileIndex);
        const LinePieces split = SplitLongLine(text, profile.MaxLineBytes, profile.Encoding);
        if (split.refused) {
            app.AddChat(profileIndex,
                        {kRefusalColour, QStringLiteral("Command not sent: it is ") +
                                             QString::number(WireLength(text, profile.Encoding)) +
                                             QStringLiteral(" bytes long as sent, and this profile sends at most ") +
                                             QString::number(profile.MaxLineBytes) +
                                             QStringLiteral(" bytes in one line.")});
            return;
        }
        for (const QString &piece : split.pieces)
            sendPiece(app, profileIndex, piece, by);
    });
}

void SendNow(TarnwellApp &app, int profileIndex, const QString &line, bool echo)
{
    const ProfileRecord &profile = app.record(profileIndex);
    const WireText::Encoded wire = WireText::encode(line, profile.Encoding);
    clsDataWriter writer;
    writer.InsertCString(wire.bytes);
    // The longest line a profile may set fits one message well.
    app.connection(profileIndex).SendPacket(0x0E, writer.buffer);
    if (echo && !line.startsWith(QLatin1Char('/'))) {
        // What the others read, not what was typed.
        app.AddChat(profileIndex, {kEchoNameColour, profile.AccountName, QStringLiteral(": "),
                                   EchoTextColour(app, profileIndex), WireText::decode(wire.bytes, profile.Encoding)});
    }
    ReportUnsendable(app, profileIndex, wire.unsendable);
}

Colour EchoTextColour(const TarnwellApp &app, int profileIndex)
{
    // The profile's own channel: a line sent by a profile in the background
    // (anti-idle, the flood guard) is not coloured by the one on screen.
    const bool techSupport = app.record(profileIndex).CurrentChannel.contains(QLatin1String("Blizzard Tech Support"));
    return techSupport ? Rgb(0xAAAAAA) : Rgb(0xFFFFFF);
}

void ReportUnsendable(TarnwellApp &app, int profileIndex, int count)
{
    if (count <= 0)
        return;
    const QString what = count == 1 ? QStringLiteral(" character") : QStringLiteral(" characters");
    app.AddChat(profileIndex, {Rgb(0xAAAAAA), QString::number(count) + what +
                                                  QStringLiteral(" could not be sent in this server's character set.")});
}
