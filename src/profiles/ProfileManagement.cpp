#include "profiles/ProfileManagement.h"

#include "channel/ChannelUserList.h"
#include "platform/Failure.h"
#include "platform/FileHelpers.h"
#include "platform/InputBox.h"
#include "profiles/ProfileEntries.h"
#include "profiles/ProfileHints.h"
#include "profiles/ProfileNames.h"
#include "profiles/ProfileOnScreen.h"
#include "profiles/ProfilePrivacy.h"
#include "profiles/ScreenBinder.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "profiles/modProfiles.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>

#include <algorithm>

namespace {

void refuse(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tarnwell"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// Tells the user why a name cannot be given to a profile; true when it can.
bool nameAvailable(TarnwellApp &app, QWidget *parent, const QString &name)
{
    if (!IsSafeProfileName(name)) {
        refuse(parent, UnsafeProfileNameMessage());
        return false;
    }
    const QListWidget &list = *app.mainWindow().lstProfiles;
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->text().toLower() == name.toLower()) {
            refuse(parent, QStringLiteral("That profile already exists!"));
            return false;
        }
    }
    return true;
}

QListWidgetItem *entryOf(TarnwellApp &app, const QString &name)
{
    const int slot = app.indexOfName(name);
    return slot < 0 ? nullptr : EntryOf(*app.mainWindow().lstProfiles, app.profile(slot));
}

// After the profile on screen was deleted from a row of the list, the one
// that took its row comes on screen, else the one before it; with none left
// the window tells how to begin again.
void showAfterDeletion(TarnwellApp &app, int row)
{
    frmMain &window = app.mainWindow();
    const QListWidget &list = *window.lstProfiles;
    if (list.count() > 0) {
        const Profile *next = ProfileOfEntry(*list.item(std::min(row, list.count() - 1)));
        ShowProfile(app, next ? app.indexOf(*next) : -1);
        return;
    }
    window.lblProfiles->clear();
    app.screen().showNone();
    ShowFirstStartHint(app, app.CurrentProfile);
}

} // namespace

void CreateProfile(TarnwellApp &app)
{
    app.guard("mnuCreateProfile", "frmPopupMenu", [&] {
        frmMain &window = app.mainWindow();
        const QString name = InputBox(&window, QStringLiteral("What profile do you wish to create?"),
                                      QStringLiteral("Create a Profile"));
        if (name.isEmpty() || !nameAvailable(app, &window, name))
            return;
        CreatePrivateFolder(app.settings().profileFolder(name));
        QListWidget &list = *window.lstProfiles;
        int slot = -1;
        if (list.count() == 0) {
            LoadInfo(app, name, 0, false);
            slot = LoadControl(app, 0, name, true);
        } else {
            slot = LoadControl(app, app.slotCount(), name, false);
        }
        if (slot < 0)
            return;
        WriteDefaultFonts(app, name);
        SetProfileEntryIcon(app, AddProfileEntry(list, app.profile(slot)), QString());
        // The new profile is the one on screen, so that the next steps it is
        // told about act on it.
        ForgetFirstStartHint(app.profile(slot).pane());
        ShowProfile(app, slot);
        ShowNewProfileHint(app, slot);
    });
}

QString RenameProfile(TarnwellApp &app, QWidget *parent, const QString &name)
{
    QString renamed;
    app.guard("cmdRename", "frmConfiguration", [&] {
        if (name.isEmpty())
            return;
        const QString newName =
            InputBox(parent, QStringLiteral("What do you wish to rename this profile?"), QStringLiteral("Rename"));
        if (newName.isEmpty() || !nameAvailable(app, parent, newName))
            return;
        const Settings &settings = app.settings();
        if (!QDir().rename(settings.profileFolder(name), settings.profileFolder(newName)))
            throw Failure(Failure::PathAccess, QStringLiteral("Path/File access error: ") + name);
        if (QListWidgetItem *entry = entryOf(app, name))
            entry->setText(newName);
        const int slot = app.indexOfName(name);
        if (slot >= 0)
            app.profile(slot).record().Name = newName;
        QLabel &shown = *app.mainWindow().lblProfiles;
        if (shown.text() == name)
            shown.setText(newName);
        renamed = newName;
    });
    return renamed;
}

bool DeleteProfile(TarnwellApp &app, QWidget *parent, const QString &name)
{
    bool deleted = false;
    app.guard("cmdDelete", "frmConfiguration", [&] {
        if (name.isEmpty())
            return;
        QMessageBox question(QMessageBox::NoIcon, QStringLiteral("Tarnwell"),
                             QStringLiteral("Are you sure you want to delete this profile?"),
                             QMessageBox::Ok | QMessageBox::Cancel, parent);
        if (question.exec() != QMessageBox::Ok)
            return;
        DeleteFolderTree(app.settings().profileFolder(name));
        const int slot = app.indexOfName(name);
        const bool wasOnScreen = slot == app.CurrentProfile;
        QListWidget &list = *app.mainWindow().lstProfiles;
        const QListWidgetItem *entry = entryOf(app, name);
        const int row = entry ? list.row(entry) : list.count();
        delete entry;
        if (slot >= 0)
            UnloadControl(app, slot);
        deleted = true;
        if (wasOnScreen)
            showAfterDeletion(app, row);
    });
    return deleted;
}
