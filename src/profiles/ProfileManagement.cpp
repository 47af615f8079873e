#include "profiles/ProfileManagement.h"

#include "channel/ChannelUserList.h"
#include "platform/Failure.h"
#include "platform/FileHelpers.h"
#include "platform/InputBox.h"
#include "profiles/ProfileNames.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "profiles/modProfiles.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>

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
    const QList<QListWidgetItem *> entries = app.mainWindow().lstProfiles->findItems(name, Qt::MatchExactly);
    return entries.isEmpty() ? nullptr : entries.first();
}

} // namespace

int SlotOfProfile(const TarnwellApp &app, const QString &name)
{
    for (int index = 0; index < app.slotCount(); ++index) {
        const ProfileRecord &profile = app.record(index);
        if (profile.Active && profile.Name == name)
            return index;
    }
    return -1;
}

void CreateProfile(TarnwellApp &app)
{
    app.guard("mnuCreateProfile", "frmPopupMenu", [&] {
        frmMain &window = app.mainWindow();
        const QString name = InputBox(&window, QStringLiteral("What profile do you wish to create?"),
                                      QStringLiteral("Create a Profile"));
        if (name.isEmpty() || !nameAvailable(app, &window, name))
            return;
        CreateFolder(app.settings().profileFolder(name));
        QListWidget &list = *window.lstProfiles;
        const bool first = list.count() == 0;
        if (first) {
            LoadInfo(app, name, 0, false);
            if (LoadControl(app, 0, name, true) < 0)
                return;
            window.lblProfiles->setText(name);
        } else if (LoadControl(app, app.slotCount(), name, false) < 0) {
            return;
        }
        WriteDefaultFonts(app, name);
        auto *entry = new QListWidgetItem(name, &list);
        SetProfileEntryIcon(app, *entry, QString());
        entry->setForeground(Rgb(0xBD3D3D).toQColor());
        if (first) {
            // The only profile is the one on screen: dress the window for it.
            list.setCurrentItem(entry);
            LoadOptions(app, name);
        }
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
        const int slot = SlotOfProfile(app, name);
        if (slot >= 0)
            app.record(slot).Name = newName;
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
        const int slot = SlotOfProfile(app, name);
        if (slot >= 0)
            UnloadControl(app, slot);
        frmMain &window = app.mainWindow();
        if (slot == app.CurrentProfile) {
            // The window no longer shows a profile until the user picks one.
            window.lblProfiles->clear();
            window.lstChannelUsers->clear();
            window.lblChlInfo->setText(QStringLiteral("Disconnected [0]"));
        }
        delete entryOf(app, name);
        deleted = true;
    });
    return deleted;
}
