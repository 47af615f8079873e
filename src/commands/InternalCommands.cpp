#include "commands/InternalCommands.h"

#include "channel/ChatNames.h"
#include "channel/DurationText.h"
#include "commands/CommandHost.h"
#include "commands/CommandLine.h"
#include "commands/MediaCommands.h"
#include "commands/ProfileSwitchCommand.h"
#include "display/BringUp.h"
#include "display/modOutput.h"
#include "packet/clsDataWriter.h"
#include "platform/Clock.h"
#include "platform/WireText.h"
#include "profiles/Profile.h"
#include "session/FloodGuard.h"
#include "session/ProfileKeys.h"
#include "session/Send.h"
#include "session/clsConnection.h"
#include "session/frmProfile.h"

#include <QTextDocument>

namespace {

void rejoin(Profile &profile)
{
    clsConnection &connection = profile.connection();
    QByteArray leave;
    connection.SendPacket(0x10, leave);
    clsDataWriter join;
    join.InsertInt32(2);
    join.InsertCString(WireText::encode(profile.state().CurrentChannel, profile.record().Encoding).bytes);
    connection.SendPacket(0x0C, join.buffer);
}

void uptime(Profile &profile)
{
    const Clock &clock = profile.clock();
    Send(profile,
         QStringLiteral("/me has a system uptime of: ") + FormatDuration(clock.tickCount(), DurationWords::Short) +
             QStringLiteral("; connection uptime of: ") +
             FormatDuration(clock.ticksSince(profile.state().EnterChatTick), DurationWords::Short) +
             QStringLiteral("."));
}

} // namespace

void viewProfile(CommandHost &program, const QString &name)
{
    frmProfile &window = program.profileWindow();
    window.showFor(name);
    BringUp(window, &program.mainWidget());
    RequestProfile(program, name);
}

void RequestProfile(CommandHost &program, const QString &name)
{
    Profile &shown = program.current();
    const QString &account = shown.state().AccountName;
    const bool own = !account.isEmpty() && name.compare(account, Qt::CaseInsensitive) == 0;
    frmProfile &window = program.profileWindow();
    window.setEditable(own);
    const quint32 id = window.expect(shown, own ? account : QString(), program.clock().tickCount());
    QByteArray request = ProfileKeys::readRequest(name, ProfileKeys::profileKeys(), id, shown.record().Encoding);
    shown.connection().SendPacket(0x26, request);
}

void InternalCommands(CommandHost &program, const QString &text)
{
    program.guard("InternalCommands()", "modFunctions", [&] {
        Profile &shown = program.current();
        const CommandLine line = CommandLine::parse(text);
        const QString command = line.word.toLower();
        ProfileRecord &profile = shown.record();

        if (command == QLatin1String("/c") || command == QLatin1String("/connect"))
            shown.connection().Connect(profile.Server);
        else if (command == QLatin1String("/d") || command == QLatin1String("/disconnect"))
            shown.connection().Disconnect();
        else if (command == QLatin1String("/rejoin"))
            rejoin(shown);
        else if (command == QLatin1String("/profile"))
            viewProfile(program, line.argument);
        else if (RunMediaCommand(program, command))
            return;
        else if (command == QLatin1String("/home"))
            Send(shown, QStringLiteral("/join ") + profile.Home);
        else if (command == QLatin1String("/uptime"))
            uptime(shown);
        else if (command == QLatin1String("/p"))
            SwitchProfileCommand(program, line.argument);
        else if (command == QLatin1String("/clear") && line.argument.compare(QLatin1String("queue"), Qt::CaseInsensitive) == 0 &&
                 line.rest.isEmpty())
            shown.floodGuard().clear();
        else if (command == QLatin1String("/cc"))
            shown.pane().clear();
        else if (command == QLatin1String("/r"))
            Send(shown,
                 QStringLiteral("/w ") + GetNamePrefix(profile.Product) + program.lastWhisperFrom() + QLatin1Char(' ') +
                     line.argument + QLatin1Char(' ') + line.rest);
        else if (command == QLatin1String("/version") || command == QLatin1String("/about") ||
                 command == QLatin1String("/ver"))
            Send(shown,
                 QStringLiteral("/me is running on Tarnwell ") + GetVersion() + QStringLiteral(" by the Tarnwell team"));
        else
            Send(shown, WithDiablo2Names(text, profile.Product));
    });
}
