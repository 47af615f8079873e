#include "appearance/Appearance.h"
#include "appearance/frmFont.h"
#include "profiles/frmMain.h"
#include "profiles/modProfiles.h"
#include "support/TestApp.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTextBlock>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

class FontDialogTest : public ::testing::Test {
protected:
    TestApp test;
    TarnwellApp &app = *test.app;
    frmFont &fonts = app.appearance().fonts();

    void SetUp() override
    {
        test.writeProfile(QStringLiteral("alpha"), "[Font]\nTextbox=Serif\n[Size]\nChannel Size=14\n");
        test.writeProfile(QStringLiteral("beta"));
        test.startUp();
    }
    QString setting(const char *section, const char *key) const
    {
        return app.settings().ReadProfileSetting(app.current().record().Name, QString::fromLatin1(section),
                                                 QString::fromLatin1(key));
    }
    static QString firstFamily(const QTextDocument &pane)
    {
        return pane.begin().begin().fragment().charFormat().fontFamilies().toStringList().value(0);
    }
};

TEST_F(FontDialogTest, OpensWithTheSettingsAndTahomaAndTenForWhatIsMissing)
{
    fonts.open();
    EXPECT_EQ(fonts.windowTitle(), QStringLiteral("Font Customization"));
    EXPECT_EQ(fonts.TB->currentText(), QStringLiteral("Serif"));
    EXPECT_EQ(fonts.ChannelSize->currentText(), QStringLiteral("14"));
    for (QComboBox *font : {fonts.LV, fonts.RTB, fonts.Profile, fonts.Channel})
        EXPECT_EQ(font->currentText(), QStringLiteral("Tahoma")) << font->objectName().toStdString();
    for (QComboBox *size : {fonts.LVSize, fonts.RTBSize, fonts.TBSize, fonts.ProfileSize})
        EXPECT_EQ(size->currentText(), QStringLiteral("10")) << size->objectName().toStdString();
    ASSERT_EQ(fonts.RTBSize->count(), 9);
    EXPECT_EQ(fonts.RTBSize->itemText(0), QStringLiteral("9"));
    EXPECT_EQ(fonts.RTBSize->itemText(8), QStringLiteral("17"));
    EXPECT_EQ(fonts.LV->count(), QFontDatabase::families().size());
}

TEST_F(FontDialogTest, ApplySavesAsTypedAndRestylesTheCurrentPaneOnly)
{
    app.profile(1).AddChat({QStringLiteral("beta's line")});
    fonts.open();
    fonts.RTB->setCurrentText(QStringLiteral("No Such Font"));
    fonts.RTBSize->setCurrentText(QStringLiteral("15"));
    fonts.TB->setCurrentText(QStringLiteral("DejaVu Serif"));
    fonts.cmdApply_Click();
    EXPECT_TRUE(test.errorLogText().isEmpty()) << test.errorLogText().toStdString();

    EXPECT_EQ(setting("Font", "RichTextBox"), QStringLiteral("No Such Font"));
    EXPECT_EQ(setting("Size", "RichTextBox Size"), QStringLiteral("15"));
    EXPECT_EQ(setting("Font", "Listview"), QStringLiteral("Tahoma"));
    EXPECT_EQ(setting("Size", "Profile Size"), QStringLiteral("10"));

    // The welcome line already shown takes the font; beta's pane does not.
    const QTextDocument &pane = app.profile(0).pane();
    EXPECT_EQ(firstFamily(pane), QStringLiteral("No Such Font"));
    EXPECT_EQ(pane.begin().begin().fragment().charFormat().fontPointSize(), 15.0);
    EXPECT_NE(firstFamily(app.profile(1).pane()), QStringLiteral("No Such Font"));

    // A name that is not installed is kept, and drawn in an installed font.
    frmMain &window = app.mainWindow();
    EXPECT_EQ(window.lblChlInfo->font().family(), QStringLiteral("Tahoma"));
    EXPECT_TRUE(QFontDatabase::hasFamily(QFontInfo(window.lblChlInfo->font()).family()));
    EXPECT_EQ(QFontInfo(window.txtSend->font()).family(), QStringLiteral("DejaVu Serif"));
}

TEST_F(FontDialogTest, ATypedSizeThatIsNoNumberIsSavedAndReported)
{
    fonts.open();
    fonts.LVSize->setCurrentText(QStringLiteral("huge"));
    fonts.cmdApply_Click();
    EXPECT_EQ(setting("Size", "Listview Size"), QStringLiteral("huge"));
    EXPECT_TRUE(test.errorLogText().contains(QStringLiteral("Error in: cmdApply_Click of frmFont")));
}

TEST_F(FontDialogTest, ASizeIsANumberAndOneLeftEmptyIsSavedAsTen)
{
    fonts.open();
    const struct {
        const char *typed;
        const char *saved;
    } cases[] = {{"big", "10"}, {"", "10"}, {"12.5", "12.5"}, {"0", "10"}};
    for (const auto &c : cases) {
        fonts.RTBSize->clearEditText();
        QTest::keyClicks(fonts.RTBSize->lineEdit(), QString::fromLatin1(c.typed));
        fonts.cmdApply_Click();
        EXPECT_EQ(setting("Size", "RichTextBox Size"), QString::fromLatin1(c.saved)) << c.typed;
    }
    EXPECT_TRUE(test.errorLogText().isEmpty()) << "nothing typed is a program fault";
}

} // namespace
