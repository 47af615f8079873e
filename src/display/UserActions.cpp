#include "display/UserActions.h"

#include "channel/ChannelUserList.h"
#include "channel/ChatNames.h"
#include "display/modOutput.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "session/Send.h"

#include <array>

namespace {

struct ActionCommand {
    const char *procedure;
    const char *command; // followed by the prefixed name, or alone without a name
    bool takesName;
};

constexpr std::array<ActionCommand, 6> kCommands = {{
    {"mnuDesignate_Click", "/designate ", true},
    {"mnuResign_Click", "/resign", false},
    {"mnuBan_Click", "/ban ", true},
    {"mnuUnban_Click", "/unban ", true},
    {"mnuIgnore_Click", "/ignore ", true},
    {"mnuUnignore_Click", "/unignore ", true},
}};

} // namespace

void RunUserAction(TarnwellApp &app, UserAction action)
{
    const ActionCommand &command = kCommands[static_cast<std::size_t>(action)];
    app.guard(command.procedure, "frmPopupMenu", [&] {
        const QString selected = app.mainWindow().lstChannelUsers->selectedText();
        if (selected.isEmpty())
            return;
        const int current = app.CurrentProfile;
        QString line = QString::fromLatin1(command.command);
        if (command.takesName)
            line += GetNamePrefix(app.profile(current).record().Product) + StripFirstChar(selected);
        Send(app.profile(current), line);
    });
}
