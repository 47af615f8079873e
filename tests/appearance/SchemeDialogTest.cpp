#include "appearance/Appearance.h"
#include "appearance/ColourField.h"
#include "appearance/SchemeColours.h"
#include "appearance/SchemeList.h"
#include "appearance/frmColorPicker.h"
#include "appearance/frmSkins.h"
#include "display/ClickableLabel.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "support/InputBoxAnswer.h"
#include "support/MessageBoxAnswer.h"
#include "support/TestApp.h"
#include "update/UpdateCheck.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SchemeDialogTest : public ::testing::Test {
protected:
    TestApp test;
    TarnwellApp &app = *test.app;
    frmSkins &skins = app.appearance().skins();

    void SetUp() override
    {
        test.writeProfile(QStringLiteral("alpha"));
        writeScheme(QStringLiteral("Night"), "[Skin]\r\nBG Picture=stars.png\r\nTextbox Forecolor=255\r\n"
                                             "Menu=oops\r\nRTB Lines=65280\r\n");
        test.startUp();
    }
    void writeScheme(const QString &name, const QByteArray &text) const
    {
        QDir(test.folder()).mkpath(QStringLiteral("Schemes"));
        QFile file(schemePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
    }
    QString schemePath(const QString &name) const { return test.folder() + QStringLiteral("/Schemes/") + name + ".ini"; }
    QByteArray schemeText(const QString &name) const
    {
        QFile file(schemePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    ColourField &field(const char *target) const { return *skins.fieldForTarget(QString::fromLatin1(target)); }
};

TEST_F(SchemeDialogTest, ListsEveryIniEntryWithEveryIniRemoved)
{
    for (const char *name : {"Night.ini.bak", "x.ini.ini", ".ini", "notes.txt", "Day.INI"})
        QFile(test.folder() + QStringLiteral("/Schemes/") + QString::fromLatin1(name)).open(QIODevice::WriteOnly);
    QDir(test.folder()).mkpath(QStringLiteral("Schemes/Folder.ini"));
    QStringList names = ListSchemes(test.folder() + QStringLiteral("/Schemes"));
    names.sort();
    EXPECT_EQ(names, QStringList({"Folder", "Night", "Night.bak", "x"}));
}

TEST_F(SchemeDialogTest, OpeningShowsTheSchemeInUseAndSkipsWhatIsNoNumber)
{
    skins.open();
    EXPECT_EQ(skins.windowTitle(), QStringLiteral("Color Schemes (Default)")) << "no scheme in use: the built-in one";
    EXPECT_EQ(skins.fields().colours, DesignSchemeFields().colours);
    EXPECT_EQ(skins.lstSkins->item(0)->text(), QStringLiteral("Default"));
    field("Menu Forecolor").setColour(Rgb(0x123456));
    skins.lstSkins->setCurrentRow(1);
    EXPECT_EQ(skins.windowTitle(), QStringLiteral("Color Schemes (Night)"));
    EXPECT_EQ(skins.txtBotBG->text(), QStringLiteral("stars.png"));
    EXPECT_EQ(field("Textbox Forecolor").colour(), Rgb(0xFF0000));
    EXPECT_EQ(field("RTB Lines").colour(), Rgb(0x00FF00));
    EXPECT_EQ(field("Menu Forecolor").colour(), Rgb(0x123456)) << "a value that is no number leaves the field";
    EXPECT_TRUE(test.errorLogText().isEmpty());
}

TEST_F(SchemeDialogTest, NewRefusesBlankDuplicateAndEscapingNames)
{
    skins.open();
    struct Case {
        const char *answer;
        const char *message;
    };
    for (const Case &each : {Case{"", "The name of the skin cannot be blank, please try again."},
                             Case{"nIGHT", "That skin already exists!"},
                             Case{"default", "That skin already exists!"},
                             Case{"../x", "The name of the skin cannot hold \\, /, .. or control characters, please try again."},
                             Case{"a\tb", "The name of the skin cannot hold \\, /, .. or control characters, please try again."}}) {
        InputBoxAnswer input{QString::fromLatin1(each.answer)};
        MessageBoxAnswer box;
        skins.cmdNew_Click();
        EXPECT_EQ(input.title(), QStringLiteral("Create a Color Scheme"));
        EXPECT_EQ(input.prompt(), QStringLiteral("What is the name of the color scheme you wish to create?"));
        EXPECT_EQ(box.text(), QString::fromLatin1(each.message)) << each.answer;
        EXPECT_EQ(box.title(), QStringLiteral("Tarnwell"));
    }
    EXPECT_EQ(skins.lstSkins->count(), 2);
    EXPECT_FALSE(QFile::exists(test.folder() + QStringLiteral("/x.ini")));
}

TEST_F(SchemeDialogTest, NewSchemeStartsFromTheScreenAndApplySavesTheShownColoursInKeyOrder)
{
    frmMain &window = app.mainWindow();
    window.lineColours.rtb = Rgb(0x00FF00);
    window.setTextColour(*window.lblChlInfo, Rgb(0xFFFF00));
    skins.open();
    {
        InputBoxAnswer input(QStringLiteral("Dawn"));
        skins.cmdNew_Click();
    }
    ASSERT_EQ(skins.lstSkins->count(), 3);
    EXPECT_EQ(skins.lstSkins->currentItem()->text(), QStringLiteral("Dawn")) << "the new scheme is shown";
    SchemeFields onScreen = DesignSchemeFields();
    onScreen.colours[1] = Rgb(0xFFFF00);
    onScreen.colours[6] = Rgb(0x00FF00);
    EXPECT_EQ(skins.fields().colours, onScreen.colours);
    SchemeFields saved;
    ReadSchemeFields(app.settings(), QStringLiteral("Dawn"), saved);
    EXPECT_EQ(saved.colours, onScreen.colours) << "and so is its file";

    for (std::size_t i = 0; i < skins.colourFields.size(); ++i)
        skins.colourFields[i]->setColour(Colour{static_cast<quint32>(0x50 + i)});
    skins.txtBotBG->setText(QStringLiteral("sky.png"));
    skins.cmdApply_Click();
    const QByteArray text = "[Skin]\r\nBG Picture=sky.png\r\nMenu=80\r\nChannel name=81\r\nMinimize Button=82\r\n"
                            "Profile=83\r\nTextbox Forecolor=84\r\nMenu lines=85\r\nRTB lines=86\r\n"
                            "Listview lines=87\r\nTextbox lines=88\r\nProfiles lines=89\r\n";
    EXPECT_EQ(schemeText(QStringLiteral("Dawn")), text);

    // Colours that would vanish on black are refused, and nothing is saved.
    field("RTB Lines").setColour(Rgb(0x000000));
    field("Menu Forecolor").setColour(Rgb(0x102030));
    MessageBoxAnswer box;
    skins.cmdApply_Click();
    EXPECT_EQ(box.text(), QStringLiteral("These colours would not show on the black background: Menu Forecolor, "
                                         "RTB Lines. Pick brighter ones."));
    EXPECT_EQ(schemeText(QStringLiteral("Dawn")), text);
}

TEST_F(SchemeDialogTest, TheBuiltInSchemeIsNeitherChangedNorDeletedAndCanBeUsed)
{
    skins.open();
    ASSERT_EQ(skins.lstSkins->currentItem()->text(), QStringLiteral("Default"));
    {
        MessageBoxAnswer box;
        skins.cmdDelete_Click();
        EXPECT_EQ(box.text(), QStringLiteral("The Default scheme is built in and cannot be deleted."));
    }
    {
        MessageBoxAnswer box;
        skins.cmdApply_Click();
        EXPECT_EQ(box.text(), QStringLiteral("The Default scheme is built in and cannot be changed: make a scheme "
                                             "of your own with New."));
    }
    EXPECT_EQ(skins.lstSkins->count(), 2);
    EXPECT_FALSE(QFile::exists(schemePath(QStringLiteral("Default"))));

    frmMain &window = app.mainWindow();
    window.lineColours.rtb = Rgb(0x00FF00);
    skins.cmdUse_Click();
    EXPECT_EQ(window.lineColours.rtb, kDesignLines);
    EXPECT_EQ(app.profile(0).record().Scheme, QStringLiteral("Default"));
}

TEST_F(SchemeDialogTest, TheSchemeInUseIsStillInUseAfterARestart)
{
    skins.open();
    skins.lstSkins->setCurrentRow(1);
    skins.cmdUse_Click();
    skins.close();
    test.app.reset();
    test.app = std::make_unique<TarnwellApp>(test.folder(), test.clock);
    test.app->updateCheck().setServer({});
    test.startUp();
    EXPECT_EQ(test.app->mainWindow().lineColours.rtb, Rgb(0x00FF00));
    EXPECT_EQ(test.app->mainWindow().txtSend->palette().color(QPalette::Text), QColor(0xFF, 0, 0));
    EXPECT_EQ(test.app->profile(0).record().Scheme, QStringLiteral("Night"));
}

TEST_F(SchemeDialogTest, ColoursThatWouldVanishOnBlackAreShownAsTheWindowsOwn)
{
    writeScheme(QStringLiteral("Old"), "[Skin]\r\nTextbox Forecolor=0\r\nRTB lines=65793\r\nMenu lines=65280\r\n"
                                       "Profile=0\r\n");
    skins.open();
    skins.lstSkins->setCurrentItem(skins.lstSkins->findItems(QStringLiteral("Old"), Qt::MatchExactly).first());
    skins.cmdUse_Click();
    frmMain &window = app.mainWindow();
    EXPECT_EQ(window.txtSend->palette().color(QPalette::Text), kDesignInputText.toQColor());
    EXPECT_EQ(window.lblProfiles->palette().color(QPalette::WindowText), kDesignProfileText.toQColor());
    EXPECT_EQ(window.lineColours.rtb, kDesignLines);
    EXPECT_EQ(window.lineColours.menu, Rgb(0x00FF00)) << "a visible colour is kept";
}

TEST_F(SchemeDialogTest, UseAppliesTheSavedFileNotTheEditedFields)
{
    skins.open();
    skins.lstSkins->setCurrentRow(1);
    field("Textbox Forecolor").setColour(Rgb(0x0000FF));
    skins.cmdUse_Click();
    frmMain &window = app.mainWindow();
    EXPECT_EQ(window.txtSend->palette().color(QPalette::Text), QColor(0xFF, 0, 0));
    EXPECT_EQ(window.lineColours.rtb, Rgb(0x00FF00));
    EXPECT_EQ(app.profile(0).record().Scheme, QStringLiteral("Night"));
    EXPECT_EQ(app.settings().ReadProfileSetting(QStringLiteral("alpha"), QStringLiteral("Scheme"),
                                                QStringLiteral("Default")),
              QStringLiteral("Night"));

    // Deleting the scheme in use goes back to the built-in one.
    skins.cmdDelete_Click();
    EXPECT_EQ(skins.lstSkins->count(), 1);
    EXPECT_FALSE(QFile::exists(schemePath(QStringLiteral("Night"))));
    EXPECT_EQ(window.lineColours.rtb, kDesignLines);
    EXPECT_EQ(window.txtSend->palette().color(QPalette::Text), kDesignInputText.toQColor());
    EXPECT_EQ(app.profile(0).record().Scheme, QStringLiteral("Default"));
    EXPECT_EQ(app.settings().ReadProfileSetting(QStringLiteral("alpha"), QStringLiteral("Scheme"),
                                                QStringLiteral("Default")),
              QStringLiteral("Default"));
    EXPECT_TRUE(test.errorLogText().isEmpty());
}

TEST_F(SchemeDialogTest, PickCopiesThePickedColourIntoTheFieldOfItsLabel)
{
    skins.open();
    QTest::mouseClick(skins.pickLabels[6], Qt::LeftButton);
    frmColorPicker &picker = app.appearance().colourPicker();
    ASSERT_TRUE(picker.isVisible());
    EXPECT_EQ(app.appearance().pickerTarget, QStringLiteral("RTB Lines"));
    QTest::mousePress(picker.CPic1, Qt::LeftButton, {}, QPoint(10, 128));
    QTest::mouseRelease(picker.CPic1, Qt::LeftButton, {}, QPoint(10, 128));
    picker.cmdPick_Click();
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(field("RTB Lines").colour(), Rgb(0x2800FF));

    // Without a click the sample's first colour, black, is copied; an
    // unknown target changes no field.
    app.appearance().openColourPicker(QStringLiteral("Profiles Lines"));
    picker.cmdPick_Click();
    EXPECT_EQ(field("Profiles Lines").colour(), Rgb(0x000000));
    const SchemeFields before = skins.fields();
    app.appearance().openColourPicker(QStringLiteral("Nothing"));
    QTest::mouseClick(picker.CPic1, Qt::LeftButton, {}, QPoint(100, 100));
    picker.cmdPick_Click();
    EXPECT_EQ(skins.fields().colours, before.colours);
}

TEST_F(SchemeDialogTest, MenuEntryAndCtrlSOpenTheDialog)
{
    app.popupMenu().mnuColorSchemes->trigger();
    EXPECT_TRUE(skins.isVisible());
    skins.close();
    app.mainWindow().hotKeys.CheckHotKeys(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(skins.isVisible());
}

} // namespace
