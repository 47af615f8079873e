#include "appearance/Appearance.h"
#include "appearance/ColourField.h"
#include "appearance/SchemeList.h"
#include "appearance/frmColorPicker.h"
#include "appearance/frmSkins.h"
#include "display/ClickableLabel.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "support/InputBoxAnswer.h"
#include "support/MessageBoxAnswer.h"
#include "support/TestApp.h"

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

TEST_F(SchemeDialogTest, OpeningShowsTheFirstSchemeAndSkipsWhatIsNoNumber)
{
    field("Menu Forecolor").setColour(Rgb(0x123456));
    skins.open();
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
    EXPECT_EQ(skins.lstSkins->count(), 1);
    EXPECT_FALSE(QFile::exists(test.folder() + QStringLiteral("/x.ini")));
}

TEST_F(SchemeDialogTest, NewSchemeStartsEmptyAndApplySavesTheShownColoursInKeyOrder)
{
    skins.open();
    {
        InputBoxAnswer input(QStringLiteral("Dawn"));
        skins.cmdNew_Click();
    }
    ASSERT_EQ(skins.lstSkins->count(), 2);
    EXPECT_EQ(skins.lstSkins->currentRow(), 0) << "the new entry is not selected";
    EXPECT_EQ(schemeText(QStringLiteral("Dawn")), QByteArray());

    skins.lstSkins->setCurrentRow(1);
    EXPECT_EQ(field("Textbox Forecolor").colour(), Rgb(0xFF0000)) << "an empty scheme keeps the colours shown";
    for (std::size_t i = 0; i < skins.colourFields.size(); ++i)
        skins.colourFields[i]->setColour(Colour{static_cast<quint32>(i + 1)});
    skins.txtBotBG->setText(QStringLiteral("sky.png"));
    skins.cmdApply_Click();
    EXPECT_EQ(schemeText(QStringLiteral("Dawn")),
              "[Skin]\r\nBG Picture=sky.png\r\nMenu=1\r\nChannel name=2\r\nMinimize Button=3\r\nProfile=4\r\n"
              "Textbox Forecolor=5\r\nMenu lines=6\r\nRTB lines=7\r\nListview lines=8\r\nTextbox lines=9\r\n"
              "Profiles lines=10\r\n");
}

TEST_F(SchemeDialogTest, UseAppliesTheSavedFileNotTheEditedFields)
{
    skins.open();
    field("Textbox Forecolor").setColour(Rgb(0x0000FF));
    skins.cmdUse_Click();
    frmMain &window = app.mainWindow();
    EXPECT_EQ(window.txtSend->palette().color(QPalette::Text), QColor(0xFF, 0, 0));
    EXPECT_EQ(window.lineColours.rtb, Rgb(0x00FF00));
    EXPECT_EQ(app.record(0).Scheme, QStringLiteral("Night"));
    EXPECT_EQ(app.settings().ReadProfileSetting(QStringLiteral("alpha"), QStringLiteral("Scheme"),
                                                QStringLiteral("Default")),
              QStringLiteral("Night"));

    // Deleting the scheme in use leaves the window as it is.
    skins.cmdDelete_Click();
    EXPECT_EQ(skins.lstSkins->count(), 0);
    EXPECT_FALSE(QFile::exists(schemePath(QStringLiteral("Night"))));
    EXPECT_EQ(window.lineColours.rtb, Rgb(0x00FF00));
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
