#include "display/UserActions.h"

#include "channel/ChatNames.h"
#include "display/modOutput.h"
#include "profiles/Profile.h"
#include "profiles/ProgramShell.h"
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

void RunUserAction(ProgramShell &program, const QString &selected, UserAction action)
{
    const ActionCommand &command = kCommands[static_cast<std::size_t>(action)];
    program.guard(command.procedure, "frmPopupMenu", [&] {
        if (selected.isEmpty())
            return;
        Profile &profile = program.current();
        QString line = QString::fromLatin1(command.command);
        if (command.takesName)
            line += GetNamePrefix(profile.record().Product) + StripFirstChar(selected);
        Send(profile, line);
    });
}
