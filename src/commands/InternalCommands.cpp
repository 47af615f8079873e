#include "commands/InternalCommands.h"

#include "channel/ChatNames.h"
#include "channel/DurationText.h"
#include "commands/CommandLine.h"
#include "commands/MediaCommands.h"
#include "commands/ProfileSwitchCommand.h"
#include "display/BringUp.h"
#include "display/modOutput.h"
#include "packet/clsDataWriter.h"
#include "platform/Clock.h"
#include "platform/WireText.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "session/FloodGuard.h"
#include "session/ProfileKeys.h"
#include "session/Send.h"
#include "session/clsConnection.h"
#include "session/frmProfile.h"

#include <QTextDocument>

namespace {

void rejoin(TarnwellApp &app, int current)
{
    clsConnection &connection = app.profile(current).connection();
    QByteArray leave;
    connection.SendPacket(0x10, leave);
    clsDataWriter join;
    join.InsertInt32(2);
    const ProfileRecord &profile = app.profile(current).record();
    join.InsertCString(WireText::encode(app.profile(current).state().CurrentChannel, profile.Encoding).bytes);
    connection.SendPacket(0x0C, join.buffer);
}

void uptime(TarnwellApp &app, int current)
{
    const Clock &clock = app.clock();
    Send(app.profile(current),
         QStringLiteral("/me has a system uptime of: ") + FormatDuration(clock.tickCount(), DurationWords::Short) +
             QStringLiteral("; connection uptime of: ") +
             FormatDuration(clock.ticksSince(app.profile(current).state().EnterChatTick), DurationWords::Short) +
             QStringLiteral("."));
}

} // namespace

void viewProfile(TarnwellApp &app, const QString &name)
{
    frmProfile &window = app.profileWindow();
    window.showFor(name);
    BringUp(window, &app.mainWindow());
    RequestProfile(app, name);
}

void RequestProfile(TarnwellApp &app, const QString &name)
{
    const int current = app.CurrentProfile;
    const QString &account = app.profile(current).state().AccountName;
    const bool own = !account.isEmpty() && name.compare(account, Qt::CaseInsensitive) == 0;
    frmProfile &window = app.profileWindow();
    window.setEditable(own);
    const quint32 id = window.expect(app.profile(current), own ? account : QString(), app.clock().tickCount());
    QByteArray request = ProfileKeys::readRequest(name, ProfileKeys::profileKeys(), id, app.profile(current).record().Encoding);
    app.profile(current).connection().SendPacket(0x26, request);
}

void InternalCommands(TarnwellApp &app, const QString &text)
{
    app.guard("InternalCommands()", "modFunctions", [&] {
        const int current = app.CurrentProfile;
        const CommandLine line = CommandLine::parse(text);
        const QString command = line.word.toLower();
        ProfileRecord &profile = app.profile(current).record();

        if (command == QLatin1String("/c") || command == QLatin1String("/connect"))
            app.profile(current).connection().Connect(profile.Server);
        else if (command == QLatin1String("/d") || command == QLatin1String("/disconnect"))
            app.profile(current).connection().Disconnect();
        else if (command == QLatin1String("/rejoin"))
            rejoin(app, current);
        else if (command == QLatin1String("/profile"))
            viewProfile(app, line.argument);
        else if (RunMediaCommand(app, command))
            return;
        else if (command == QLatin1String("/home"))
            Send(app.profile(current), QStringLiteral("/join ") + profile.Home);
        else if (command == QLatin1String("/uptime"))
            uptime(app, current);
        else if (command == QLatin1String("/p"))
            SwitchProfileCommand(app, line.argument);
        else if (command == QLatin1String("/clear") && line.argument.compare(QLatin1String("queue"), Qt::CaseInsensitive) == 0 &&
                 line.rest.isEmpty())
            app.profile(current).floodGuard().clear();
        else if (command == QLatin1String("/cc"))
            app.profile(current).pane().clear();
        else if (command == QLatin1String("/r"))
            Send(app.profile(current),
                 QStringLiteral("/w ") + GetNamePrefix(profile.Product) + app.LastWhisperFrom + QLatin1Char(' ') +
                     line.argument + QLatin1Char(' ') + line.rest);
        else if (command == QLatin1String("/version") || command == QLatin1String("/about") ||
                 command == QLatin1String("/ver"))
            Send(app.profile(current),
                 QStringLiteral("/me is running on Tarnwell ") + GetVersion() + QStringLiteral(" by the Tarnwell team"));
        else
            Send(app.profile(current), WithDiablo2Names(text, profile.Product));
    });
}
