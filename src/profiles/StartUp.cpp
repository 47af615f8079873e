#include "profiles/StartUp.h"

#include "commands/AntiIdle.h"
#include "display/modOutput.h"
#include "filters/clsFilters.h"
#include "platform/FileHelpers.h"
#include "profiles/ProfileEntries.h"
#include "profiles/ProfileHints.h"
#include "profiles/ProfilePrivacy.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "profiles/modProfiles.h"
#include "update/UpdateCheck.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QSystemTrayIcon>

void StartUp(TarnwellApp &app)
{
    app.growSlots(1);
    app.ProfilesLoading = true;

    const Settings &settings = app.settings();
    for (const QString &folder : {settings.profilesFolder(), settings.schemesFolder()}) {
        if (!FolderExists(folder))
            CreateFolder(folder);
    }

    frmMain &window = app.mainWindow();
    const QStringList names = QDir(settings.profilesFolder())
                                  .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (int i = 0; i < names.size(); ++i) {
        const QString &name = names[i];
        LoadInfo(app, name, i, false);
        LoadControl(app, i, name, false);
        LoadIdleSettings(app.profile(i));
        // Saved filters hold from the start, not only once the filter
        // window has been closed.
        app.guard("Form_Load", "frmMain", [&] { app.profile(i).filters().LoadFilters(); });
        app.guard("Form_Load", "frmMain", [&] { TightenProfileFolder(settings.profileFolder(name)); });
        SetProfileEntryIcon(app, AddProfileEntry(*window.lstProfiles, app.profile(i)), app.profile(i).record().Product);
    }
    if (window.lstProfiles->count() > 0) {
        window.lstProfiles->setCurrentRow(0);
        LoadOptions(app, app.profile(0).record().Name);
    }

    app.profile(0).AddChat({Rgb(0x77B1BB), QStringLiteral("Welcome to "), Rgb(0xFFFFFF), BoldOn, QStringLiteral("Tarnwell "),
                    Rgb(0x77B1BB), BoldOff, GetVersion()});
    // A first start would otherwise show nothing to do.
    if (window.lstProfiles->count() == 0)
        ShowFirstStartHint(app, 0);
    window.setWindowTitle(QStringLiteral("Tarnwell ") + GetVersion());
    app.ProfilesLoading = false;

    const bool haveProfile = !app.profile(0).record().Name.isEmpty();
    window.lblProfiles->setText(app.profile(0).record().Name);
    // Without a stored profile there are no settings to dress the window from.
    if (haveProfile)
        ApplyProfileFonts(app, 0);
    if (QSystemTrayIcon::isSystemTrayAvailable())
        window.trayIcon->show();
    if (haveProfile) {
        const QString scheme = settings.ReadProfileSetting(app.profile(0).record().Name, QStringLiteral("Scheme"),
                                                           QStringLiteral("Default"));
        if (!scheme.isEmpty())
            ApplyScheme(app, scheme);
    }
    app.updateCheck().start();
}
