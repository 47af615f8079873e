#include "display/DisplayOptions.h"

#include "display/modTransparency.h"
#include "platform/InputBox.h"
#include "profiles/Profile.h"
#include "profiles/ProgramShell.h"
#include "profiles/Settings.h"

#include <QAction>
#include <QWidget>

#include <array>

namespace {

struct OptionText {
    const char *procedure;
    const char *key;
    bool ProfileRecord::*flag;
    const char *offText;
    const char *onText;
};

constexpr std::array<OptionText, 4> kOptions = {{
    {"mnuJoinLeave_Click", "Join/Leave", &ProfileRecord::JoinLeave, "Join leave notifications have been turned off.",
     "Join leave notifications have been enabled!"},
    {"mnuVoidView_Click", "Void View", &ProfileRecord::VoidView, "Void view has been turned off.",
     "Void view has been enabled!"},
    {"mnuMilitary_Click", "Military Time", &ProfileRecord::MilitaryTime, "Military time has been turned off.",
     "Military time has been enabled!"},
    {"mnuLock_Click", "Lock Screen", &ProfileRecord::LockScreen, "Lock screen has been turned off.",
     "Lock screen has been enabled!"},
}};

} // namespace

void ToggleDisplayOption(ProgramShell &program, DisplayOption option, QAction &checkMark)
{
    const OptionText &text = kOptions[static_cast<std::size_t>(option)];
    program.guard(text.procedure, "frmPopupMenu", [&] {
        Profile &shown = program.current();
        ProfileRecord &profile = shown.record();
        // A deleted profile's slot has no settings to keep an option in.
        if (!profile.Active)
            return;
        bool &flag = profile.*text.flag;
        const bool on = !flag;
        program.settings().WriteProfileSetting(profile.Name, QStringLiteral("Options"),
                                               QString::fromLatin1(text.key),
                                               on ? QStringLiteral("1") : QStringLiteral("0"));
        const auto confirm = [&] {
            shown.AddChat(on ? ChatItems{Rgb(0x9BC06C), QString::fromLatin1(text.onText)}
                             : ChatItems{Rgb(0xC2B822), QString::fromLatin1(text.offText)});
        };
        // The lock screen's confirmation is written while the screen is
        // unlocked; every other option's is written under the new setting.
        if (on && option == DisplayOption::LockScreen) {
            confirm();
            flag = on;
        } else {
            flag = on;
            confirm();
        }
    });
    program.guard(text.procedure, "frmPopupMenu",
                  [&] { checkMark.setChecked(program.current().record().*text.flag); });
}

QString AskTransparency(ProgramShell &program)
{
    QString kept;
    program.guard("mnuTransparency", "frmPopupMenu", [&] {
        Profile &profile = program.current();
        if (!profile.record().Active)
            return;
        QWidget &window = program.mainWidget();
        const QString answer =
            InputBox(&window,
                     QStringLiteral("How solid should the window be? From 51 (faint, 20% solid) to 255 (fully solid)."),
                     QStringLiteral("Transparency"), QString::number(qRound(window.windowOpacity() * kFullOpacity)));
        if (answer.isEmpty())
            return;
        bool isNumber = false;
        const int typed = answer.trimmed().toInt(&isNumber);
        if (!isNumber) {
            profile.AddChat({Rgb(0xBD3D3D), QStringLiteral("'") + answer +
                                                     QStringLiteral("' is not a level of transparency: type a whole "
                                                                    "number from 51 (faint) to 255 (solid).")});
            return;
        }
        // Out of range, the nearest level that keeps the window in sight is
        // taken, and that is what is kept and shown.
        const QString level = QString::number(VisibleOpacity(typed));
        program.settings().WriteProfileSetting(profile.record().Name, QStringLiteral("Options"),
                                               QStringLiteral("Transparency"), level);
        SetTransparency(window, level.toInt());
        kept = level;
    });
    return kept;
}
