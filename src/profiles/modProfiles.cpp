#include "profiles/modProfiles.h"

#include "appearance/Appearance.h"
#include "appearance/DisplayFont.h"
#include "appearance/SchemeColours.h"
#include "channel/ChannelUserList.h"
#include "channel/ClientIcon.h"
#include "channel/UserIcons.h"
#include "channel/clsBNCS.h"
#include "channel/clsUsers.h"
#include "display/HeldLines.h"
#include "display/modTransparency.h"
#include "filters/clsFilters.h"
#include "platform/Convert.h"
#include "platform/Failure.h"
#include "platform/FileHelpers.h"
#include "profiles/ListColours.h"
#include "profiles/MoreOptions.h"
#include "profiles/ProfileEntries.h"
#include "profiles/ProfileOnScreen.h"
#include "profiles/ProfileSecrets.h"
#include "profiles/StoredProfile.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "session/FloodGuard.h"
#include "session/clsConnection.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTcpSocket>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <functional>

namespace {

const QString kLogin = QStringLiteral("Login");

} // namespace

void WriteDefaultFonts(TarnwellApp &app, const QString &name)
{
    const Settings &settings = app.settings();
    for (const char *key : {"Listview", "RichTextBox", "Textbox", "Channel", "Profile"})
        settings.WriteProfileSetting(name, QStringLiteral("Font"), QString::fromLatin1(key), QStringLiteral("Tahoma"));
    for (const char *key : {"Listview Size", "RichTextBox Size", "Textbox Size", "Channel Size"})
        settings.WriteProfileSetting(name, QStringLiteral("Size"), QString::fromLatin1(key), QStringLiteral("10"));
    settings.WriteProfileSetting(name, QStringLiteral("Size"), QStringLiteral("Profile Size"), QStringLiteral("11"));
}

void SetProfileEntryIcon(TarnwellApp &app, QListWidgetItem &entry, const QString &product)
{
    entry.setIcon(app.mainWindow().clientIcons().image(product.isEmpty() ? ClientIcon::Administrator
                                                                         : GetClientIcon(product, 0)));
}

namespace {

Colour schemeColour(TarnwellApp &app, const QString &scheme, const char *key)
{
    const QString value = app.settings().ReadSchemeSetting(scheme, QStringLiteral("Skin"), QString::fromLatin1(key));
    return Colour{static_cast<quint32>(ToInt32(value))};
}

void setFont(QWidget &widget, const QString &family, double pointSize)
{
    widget.setFont(DisplayFont(widget.font(), family, pointSize));
}

} // namespace

void LoadInfo(TarnwellApp &app, const QString &name, int index, bool keepSize)
{
    app.guard("LoadInfo", "modProfiles", [&] {
        if (!keepSize)
            app.growSlots(index + 1);
        ReadStoredProfile(app.settings(), name, app.profile(index).record());
    });
}

void LoadOptions(TarnwellApp &app, const QString &name)
{
    app.guard("LoadOptions", "modProfiles", [&] {
        ProfileRecord &profile = app.current().record();
        ReadOptionFlags(app.settings(), name, profile);
        frmPopupMenu &menus = app.popupMenu();
        menus.mnuJoinLeave->setChecked(profile.JoinLeave);
        menus.mnuMilitary->setChecked(profile.MilitaryTime);
        menus.mnuLock->setChecked(profile.LockScreen);
        menus.mnuVoidView->setChecked(profile.VoidView);

        const QString transparency =
            app.settings().ReadProfileSetting(name, QStringLiteral("Options"), QStringLiteral("Transparency"));
        // A stored level that would hide the window or mean nothing shows
        // the nearest level that keeps it in sight.
        const int level = transparency.isEmpty() ? kFullOpacity : VisibleOpacity(ToInt16(transparency));
        SetTransparency(app.mainWindow(), level);
        menus.setTransparencyCaption(QString::number(level));
    });
}

int LoadControl(TarnwellApp &app, int index, const QString &name, bool direct)
{
    int slotUsed = -1;
    app.guard("LoadControl", "modProfiles", [&] {
        if (direct || app.ProfilesLoading) {
            app.growSlots(index + 1);
            if (index != 0) {
                app.createControlSet(index);
                app.profile(index).pane().clear();
            }
            slotUsed = index;
            return;
        }
        const int k = app.slotCount();
        app.growSlots(k + 1);
        app.createControlSet(k);
        slotUsed = k;
        LoadInfo(app, name, k, true);
    });
    return slotUsed;
}

void UnloadControl(TarnwellApp &app, int index)
{
    app.guard("UnloadControl", "modProfiles", [&] {
        app.profile(index).socket().abort();
        app.removeProfile(index);
    });
}

void ProfileColor(TarnwellApp &app, qint16 &index, bool position, bool activity)
{
    app.guard("ProfileColor", "modProfiles", [&] {
        if (position)
            --index;
        QListWidgetItem *entry =
            index >= 0 && index < app.slotCount() ? EntryOf(*app.mainWindow().lstProfiles, app.profile(index)) : nullptr;
        if (!entry)
            throw Failure(Failure::InvalidCall, QStringLiteral("No profile list entry for place ") + QString::number(index));
        const Colour colour = activity               ? Rgb(0x7EA1D4)
                              : app.isConnected(index) ? Rgb(0x65D346)
                                                       : Rgb(0xBD3D3D);
        entry->setForeground(colour.toQColor());
    });
}

void ApplyScheme(TarnwellApp &app, const QString &schemeName)
{
    const QString current = app.current().record().Name;
    if (app.settings().ReadProfileSetting(current, QStringLiteral("Scheme"), QStringLiteral("Default")).isEmpty())
        return;
    frmMain &window = app.mainWindow();
    // The built-in scheme, and one whose file is gone, show the window's own
    // colours.
    if (IsDefaultScheme(schemeName) || !app.appearance().acceptSchemeFileName(schemeName) ||
        !FileExists(app.settings().schemePath(schemeName))) {
        window.showDesignColours();
        return;
    }
    // A colour that would vanish on the black background shows as the
    // window's own colour for that part.
    const auto colour = [&](const char *key, Colour visible) {
        return VisibleOnBlack(schemeColour(app, schemeName, key), visible);
    };
    // Each step stands alone: a colour that is not a number or a missing
    // picture leaves just that part as it was.
    const std::function<void()> steps[] = {
        [&] { window.setTextColour(*window.txtSend, colour("Textbox Forecolor", kDesignInputText)); },
        [&] {
            const QString picture =
                app.settings().ReadSchemeSetting(schemeName, QStringLiteral("Skin"), QStringLiteral("BG Picture"));
            QPixmap background;
            // A refused picture name leaves the window without a picture.
            if (!picture.isEmpty() && app.appearance().acceptSchemeFileName(picture) &&
                !background.load(app.settings().schemesFolder() + QLatin1Char('/') + picture))
                throw Failure(Failure::FileNotFound, QStringLiteral("File not found: ") + picture);
            window.setBackgroundPicture(background);
        },
        [&] { window.lineColours.menu = colour("Menu Lines", kDesignLines); },
        [&] { window.setTextColour(*window.lblChlInfo, colour("Channel name", kDesignChannelText)); },
        [&] { window.setTextColour(*window.lblProfiles, colour("Profile", kDesignProfileText)); },
        [&] {
            const Colour menu = colour("Menu", kDesignMenuText);
            for (QLabel *label : window.menuLabels())
                window.setTextColour(*label, menu);
        },
        [&] { window.lineColours.rtb = colour("RTB lines", kDesignLines); },
        [&] { window.lineColours.users = colour("Listview lines", kDesignLines); },
        [&] { window.lineColours.text = colour("Textbox lines", kDesignLines); },
        [&] { window.lineColours.profiles = colour("Profiles lines", kDesignLines); },
    };
    for (const auto &step : steps) {
        try {
            step();
        } catch (const Failure &) {
        }
    }
    ShowLineColours(window);
}

void ApplyProfileFonts(TarnwellApp &app, int index)
{
    const QString name = app.profile(index).record().Name;
    const auto font = [&](const char *key) {
        return app.settings().ReadProfileSetting(name, QStringLiteral("Font"), QString::fromLatin1(key));
    };
    const auto size = [&](const char *key) {
        return ToDouble(app.settings().ReadProfileSetting(name, QStringLiteral("Size"), QString::fromLatin1(key)));
    };
    const QString chatFont = font("RichTextBox");
    const QString listFont = font("Listview");
    if (chatFont.isEmpty() || listFont.isEmpty())
        return;

    QTextDocument &pane = app.profile(index).pane();
    const QFont paneFont = DisplayFont(pane.defaultFont(), chatFont, size("RichTextBox Size"));
    pane.setDefaultFont(paneFont);
    QTextCursor everything(&pane);
    everything.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setFontFamilies(paneFont.families());
    format.setFontPointSize(paneFont.pointSizeF());
    everything.mergeCharFormat(format);

    frmMain &window = app.mainWindow();
    const double listSize = size("Listview Size");
    setFont(*window.lstChannelUsers, listFont, listSize);
    setFont(*window.lstProfiles, listFont, listSize);
    setFont(*window.txtSend, font("Textbox"), size("Textbox Size"));
    setFont(*window.lblChlInfo, font("Channel"), size("Channel Size"));
    setFont(*window.lblProfiles, font("Profile"), size("Profile Size"));
    window.rtbChat->moveCursor(QTextCursor::End);
}

void ShowProfile(TarnwellApp &app, int index)
{
    const ProfileRecord &profile = app.profile(index).record();
    if (!profile.Active)
        throw Failure(Failure::InvalidCall, QStringLiteral("No live profile in slot ") + QString::number(index));
    app.setCurrent(index);
    frmMain &window = app.mainWindow();
    // The entry of the profile on screen is the selected one, however the
    // switch came (a click, the switch command, a creation or a deletion),
    // so that the configuration dialog opens for it.
    if (QListWidgetItem *entry = EntryOf(*window.lstProfiles, app.profile(index)))
        window.lstProfiles->setCurrentItem(entry);
    clsBNCS &events = app.profile(index).bncs();
    // A profile that is in a channel names it, even an empty one, rather
    // than leaving the label of the profile shown before.
    if (app.isConnected(index) || events.rows().count() > 0)
        events.ShowRowCount();
    else
        window.lblChlInfo->setText(QStringLiteral("Disconnected [0]"));
    LoadOptions(app, profile.Name);
    window.lblProfiles->setText(profile.Name);
    window.showPane(index);
    qint16 colourIndex = app.CurrentProfile;
    ProfileColor(app, colourIndex, false, false);
    ApplyScheme(app, profile.Scheme);
    ApplyProfileFonts(app, index);
}

void lstProfiles_Click(TarnwellApp &app, const QString &entryText)
{
    app.guard("lstProfiles_Click", "frmMain", [&] {
        if (app.mainWindow().lstProfiles->count() == 0)
            return;
        const int index = app.indexOfName(entryText);
        if (index == app.CurrentProfile)
            return;
        ShowProfile(app, index < 0 ? app.CurrentProfile : index);
    });
}
