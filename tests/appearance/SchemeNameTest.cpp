#include "appearance/Appearance.h"
#include "platform/Failure.h"
#include "platform/PlainFileName.h"
#include "profiles/frmMain.h"
#include "profiles/modProfiles.h"
#include "support/TestApp.h"

#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

TEST(SchemeNames, OnlyPlainFileNamesAreUsed)
{
    for (const char *plain : {"Night", "Night.bak", "sky.png", "a b", ".hidden"})
        EXPECT_TRUE(IsPlainFileName(QString::fromLatin1(plain))) << plain;
    for (const char *leaving : {"../x", "..", "a..b", "sub/x", "sub\\x", "/etc/passwd", "a\nb", "a\x7f"})
        EXPECT_FALSE(IsPlainFileName(QString::fromLatin1(leaving))) << leaving;
}

int occurrences(const QString &text, const QString &part)
{
    return static_cast<int>(text.count(part));
}

TEST(SchemeNames, AnEscapingSchemeNameIsReportedOnceAndTheWindowKeepsItsOwnColours)
{
    TestApp test;
    test.writeProfile(QStringLiteral("alpha"), "[Scheme]\nDefault=../x\n");
    test.writeProfile(QStringLiteral("beta"), "[Scheme]\nDefault=Night\n");
    QDir(test.folder()).mkpath(QStringLiteral("Schemes"));
    QFile night(test.folder() + QStringLiteral("/Schemes/Night.ini"));
    ASSERT_TRUE(night.open(QIODevice::WriteOnly));
    night.write("[Skin]\nRTB lines=255\nBG Picture=../secret.png\n");
    night.close();
    QFile secret(test.folder() + QStringLiteral("/secret.png"));
    ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
    secret.close();
    test.startUp();
    TarnwellApp &app = *test.app;
    frmMain &window = app.mainWindow();
    EXPECT_FALSE(QFile::exists(test.folder() + QStringLiteral("/x.ini"))) << "nothing is created outside Schemes";

    lstProfiles_Click(app, QStringLiteral("beta"));
    EXPECT_EQ(window.lineColours.rtb, Rgb(0xFF0000));
    EXPECT_TRUE(window.backgroundPicture().isNull()) << "a picture outside Schemes is not loaded";

    // Back to the refused name: the window's own colours, no picture.
    lstProfiles_Click(app, QStringLiteral("alpha"));
    EXPECT_EQ(window.lineColours.rtb, Rgb(0x7EA1D4));
    EXPECT_EQ(window.lblFile->palette().color(QPalette::WindowText), QColor(0xC0, 0xFF, 0xFF));
    lstProfiles_Click(app, QStringLiteral("beta"));
    lstProfiles_Click(app, QStringLiteral("alpha"));

    const QString log = test.errorLogText();
    EXPECT_EQ(occurrences(log, QStringLiteral("\"../x\" would lead out of the Schemes folder")), 1) << log.toStdString();
    EXPECT_EQ(occurrences(log, QStringLiteral("\"../secret.png\" would lead out of the Schemes folder")), 1);
    EXPECT_EQ(occurrences(log, QStringLiteral("Error in: ApplyScheme of modProfiles")), 2);
    EXPECT_THROW(app.settings().schemePath(QStringLiteral("../x")), Failure);
}

} // namespace
