#include "commands/Send.h"

#include "packet/clsDataWriter.h"
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
        clsDataWriter writer;
        writer.InsertCStringText(text);
        // A line longer than one message can carry would need a length the
        // header cannot hold; tell the user instead of sending a broken one.
        if (writer.buffer.size() > clsConnection::kMaxPayload) {
            app.AddChat(profileIndex, {Rgb(0xBD3D3D), QStringLiteral("Line not sent: it is ") +
                                                          QString::number(text.size()) +
                                                          QStringLiteral(" characters long, more than one message "
                                                                         "can carry.")});
            return;
        }
        connection.SendPacket(0x0E, writer.buffer);
        if (text.startsWith(QLatin1Char('/')))
            return;
        const bool techSupport =
            app.mainWindow().lblChlInfo->text().contains(QLatin1String("Blizzard Tech Support"));
        app.AddChat(profileIndex, {Rgb(0x00FFFF), app.record(profileIndex).AccountName, QStringLiteral(": "),
                                   techSupport ? Rgb(0xAAAAAA) : Rgb(0xFFFFFF), text});
    });
}
