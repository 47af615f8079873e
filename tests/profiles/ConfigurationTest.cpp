#include "channel/ClientIcon.h"
#include "profiles/frmConfiguration.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "profiles/modProfiles.h"
#include "support/FullDisk.h"
#include "support/MessageBoxAnswer.h"
#include "support/QtPrinting.h"
#include "support/TestApp.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ConfigurationTest : public ::testing::Test {
protected:
    TestApp test;
    TarnwellApp &app = *test.app;
    frmConfiguration *dialog = nullptr;

    void start(const QByteArray &alphaConfig)
    {
        test.writeProfile(QStringLiteral("alpha"), alphaConfig);
        test.writeProfile(QStringLiteral("beta"), "[Login]\nUsername=Bee\n");
        test.startUp();
        app.popupMenu().mnuConfig->trigger();
        dialog = &app.configuration();
    }
    QString setting(const char *section, const char *key, const QString &profile = QStringLiteral("alpha")) const
    {
        return app.settings().ReadProfileSetting(profile, QString::fromLatin1(section), QString::fromLatin1(key));
    }
    qint64 entryIcon(int row) const { return app.mainWindow().lstProfiles->item(row)->icon().cacheKey(); }
    qint64 image(int index) const { return app.mainWindow().clientIcons().image(index).cacheKey(); }
};

TEST_F(ConfigurationTest, OpensForTheSelectedProfileAndSavesItsFields)
{
    start("[Login]\nUsername=Ann\nPassword=pw\n[Ping]\nSpoof=Custom\nCustom Ping=250\nUDP Plug=1\n"
          "[Registration]\nMode=Change\n");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Configuring \"alpha\""));
    EXPECT_EQ(dialog->Username->text(), QStringLiteral("Ann"));
    EXPECT_TRUE(dialog->txtCustom->isEnabled());
    EXPECT_TRUE(dialog->UDPPlug->isChecked());
    EXPECT_EQ(dialog->Mode->currentText(), QStringLiteral("Change"));

    dialog->Latency->setCurrentText(QStringLiteral("0ms"));
    EXPECT_FALSE(dialog->txtCustom->isEnabled());
    dialog->UDPPlug->setChecked(false);
    dialog->Username->setText(QStringLiteral("Anna"));
    for (const auto &[shown, caption] : {std::pair{false, "Show"}, std::pair{true, "Hide"}, std::pair{false, "Show"}}) {
        EXPECT_EQ(dialog->Password->echoMode(), shown ? QLineEdit::Normal : QLineEdit::Password);
        EXPECT_EQ(dialog->NewPassword->echoMode(), shown ? QLineEdit::Normal : QLineEdit::Password);
        EXPECT_EQ(dialog->cmdCharMask->text(), QString::fromLatin1(caption));
        dialog->cmdCharMask->click();
    }
    EXPECT_EQ(dialog->Password->text(), QStringLiteral("pw"));
    dialog->cmdSave->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(setting("Login", "Username"), QStringLiteral("Anna"));
    EXPECT_EQ(setting("Login", "Password"), QStringLiteral("pw"));
    EXPECT_EQ(setting("Ping", "Spoof"), QStringLiteral("0ms"));
    EXPECT_EQ(setting("Ping", "UDP Plug"), QStringLiteral("0"));
    EXPECT_EQ(app.profile(0).record().Username, QStringLiteral("Anna"));
}

TEST_F(ConfigurationTest, SaveIsOneWriteThatAFullDiskLeavesUndoneInFileAndMemory)
{
    start("[Login]\nUsername=Ann\nPassword=pw\nHome=Op Tarn\n");
    dialog->Username->setText(QStringLiteral("Anna"));
    dialog->Password->setText(QStringLiteral("better"));
    dialog->Home->setText(QStringLiteral("Канал"));
    {
        const FullDisk full;
        dialog->cmdSave->click();
    }
    EXPECT_EQ(setting("Login", "Username"), QStringLiteral("Ann"));
    EXPECT_EQ(setting("Login", "Password"), QStringLiteral("pw"));
    EXPECT_EQ(app.profile(0).record().Username, QStringLiteral("Ann"));
    EXPECT_TRUE(dialog->isVisible()) << "kept open to try again";
    EXPECT_TRUE(test.chatText(0).contains(QStringLiteral("The configuration of alpha was not saved, none of it: ")))
        << test.chatText(0).toStdString();

    dialog->cmdSave->click();
    EXPECT_EQ(setting("Login", "Password"), QStringLiteral("better"));
    EXPECT_EQ(setting("Login", "Home"), QStringLiteral("Канал")) << "every character survives";
    EXPECT_EQ(app.profile(0).record().Home, QStringLiteral("Канал"));
}

TEST_F(ConfigurationTest, ProductsGoThroughTheTableAndBack)
{
    const struct {
        const char *stored;
        const char *shown;
        int icon;
    } cases[] = {
        {"PX2D", "  Lord of Destruction", ClientIcon::LordOfDestruction},
        {"RHSS", "  Shareware ", ClientIcon::StarcraftShareware},
        {"RHSD", "  Shareware", ClientIcon::DiabloShareware},
        {"", "", ClientIcon::Administrator},
        // A code the dialog does not offer is kept as it is.
        {"RTSJ", "RTSJ", ClientIcon::JapaneseStarcraft},
    };
    start({});
    for (const auto &c : cases) {
        app.settings().WriteProfileSetting(QStringLiteral("alpha"), QStringLiteral("Login"), QStringLiteral("Product"),
                                           QString::fromLatin1(c.stored));
        dialog->open();
        EXPECT_EQ(dialog->Product->currentText(), QString::fromLatin1(c.shown)) << c.stored;
        dialog->cmdSave->click();
        EXPECT_EQ(setting("Login", "Product"), QString::fromLatin1(c.stored));
        EXPECT_EQ(entryIcon(0), image(c.icon)) << c.stored;
    }

    dialog->open();
    dialog->Product->setEditText(QStringLiteral("Starcraft 64"));
    dialog->cmdSave->click();
    EXPECT_EQ(setting("Login", "Product"), QStringLiteral("RTSJ"));
    dialog->open();
    dialog->Product->setEditText(QStringLiteral("  Frozen Throne"));
    dialog->cmdSave->click();
    EXPECT_EQ(setting("Login", "Product"), QStringLiteral("PX3W"));
    EXPECT_EQ(dialog->Product->count(), 7);
}

TEST_F(ConfigurationTest, EmptyLatencyAndModeOpenAsRegularAndDisableAndAreSavedSo)
{
    start({});
    EXPECT_FALSE(dialog->txtCustom->isEnabled());
    dialog->cmdSave->click();
    EXPECT_EQ(setting("Ping", "Spoof"), QStringLiteral("Regular"));
    EXPECT_EQ(setting("Registration", "Mode"), QStringLiteral("Disable"));
}

TEST_F(ConfigurationTest, ADoubleClickOpensTheEntrysProfileAndSavingWithoutOneSaysSo)
{
    start({});
    QListWidget &list = *app.mainWindow().lstProfiles;
    list.setCurrentRow(1);
    Q_EMIT list.itemDoubleClicked(list.item(1));
    EXPECT_EQ(dialog->Username->text(), QStringLiteral("Bee"));

    list.clearSelection();
    dialog->open();
    EXPECT_TRUE(dialog->lblProfile->text().isEmpty());
    MessageBoxAnswer ok;
    dialog->cmdSave->click();
    EXPECT_EQ(ok.text(), QStringLiteral("There is no profile selected to apply this information to."));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ConfigurationTest, SavingAfterSwitchingProfilesRefreshesTheShownProfilesRecordOnly)
{
    start("[Login]\nUsername=Ann\n");
    lstProfiles_Click(app, QStringLiteral("beta"));
    dialog->Username->setText(QStringLiteral("Anna"));
    dialog->cmdSave->click();
    EXPECT_EQ(app.profile(0).record().Username, QStringLiteral("Anna"));
    EXPECT_EQ(app.profile(1).record().Name, QStringLiteral("beta"));
    EXPECT_EQ(app.profile(1).record().Username, QStringLiteral("Bee"));
}

TEST_F(ConfigurationTest, NumberFieldsTakeOnlyWhatCanBeSent)
{
    start("[Ping]\nSpoof=Custom\n");
    const struct {
        QLineEdit *box;
        const char *typed;
        const char *kept;
    } cases[] = {
        {dialog->Verbyte, "4fzz", "4f"},
        {dialog->Verbyte, "0x1D", "01D"},
        {dialog->txtCustom, "12ab3", "123"},
        {dialog->txtCustom, "-5", "5"},
    };
    for (const auto &c : cases) {
        c.box->clear();
        QTest::keyClicks(c.box, QString::fromLatin1(c.typed));
        EXPECT_EQ(c.box->text(), QString::fromLatin1(c.kept)) << c.typed;
    }
}

} // namespace
