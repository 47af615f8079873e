#include "commands/Send.h"

#include "commands/FloodGuard.h"
#include "packet/clsDataWriter.h"
#include "platform/WireText.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "session/clsConnection.h"

#include <QLabel>

void Send(TarnwellApp &app, int profileIndex, const QString &text)
{
    app.guard("Send()", "modFunctions", [&] {
        if (!app.isConnected(profileIndex)) {
            app.AddChat(profileIndex, {Rgb(0xBD3D3D), QStringLiteral("You are not connected to Battle.net.")});
            return;
        }
        clsConnection &connection = app.connection(profileIndex);
        const WireEncoding encoding = app.record(profileIndex).Encoding;
        const WireText::Encoded wire = WireText::encode(text, encoding);
        clsDataWriter writer;
        writer.InsertCString(wire.bytes);
        // A line longer than one message can carry would need a length the
        // header cannot hold; tell the user instead of sending a broken one.
        if (writer.buffer.size() > clsConnection::kMaxPayload) {
            app.AddChat(profileIndex, {Rgb(0xBD3D3D), QStringLiteral("Line not sent: it is ") +
                                                          QString::number(wire.bytes.size()) +
                                                          QStringLiteral(" bytes long as sent, more than one "
                                                                         "message can carry.")});
            return;
        }
        if (app.record(profileIndex).Flood.on && app.floodGuard(profileIndex).hold(text))
            return;
        connection.SendPacket(0x0E, writer.buffer);
        if (!text.startsWith(QLatin1Char('/'))) {
            const bool techSupport =
                app.mainWindow().lblChlInfo->text().contains(QLatin1String("Blizzard Tech Support"));
            // What the others read, not what was typed.
            app.AddChat(profileIndex, {Rgb(0x00FFFF), app.record(profileIndex).AccountName, QStringLiteral(": "),
                                       techSupport ? Rgb(0xAAAAAA) : Rgb(0xFFFFFF),
                                       WireText::decode(wire.bytes, encoding)});
        }
        ReportUnsendable(app, profileIndex, wire.unsendable);
    });
}

void ReportUnsendable(TarnwellApp &app, int profileIndex, int count)
{
    if (count <= 0)
        return;
    const QString what = count == 1 ? QStringLiteral(" character") : QStringLiteral(" characters");
    app.AddChat(profileIndex, {Rgb(0xAAAAAA), QString::number(count) + what +
                                                  QStringLiteral(" could not be sent in this server's character set.")});
}
