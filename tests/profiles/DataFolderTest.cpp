#include "platform/Clock.h"
#include "profiles/DataFolder.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

const QString kNotice = QStringLiteral("The program folder cannot be written to, so profiles and schemes are kept in ");

// No one, an administrator included, can make a file in a folder whose path
// runs through a file: such a path stands for a folder that cannot be
// written.
bool makeFile(const QString &path, const QByteArray &content = {})
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

TEST(DataFolder, AWritableProgramFolderStaysPortableAndLeavesNothingBehind)
{
    QTemporaryDir program;
    QTemporaryDir user;
    const DataFolder folder = DataFolder::choose(program.path(), user.filePath(QStringLiteral("Tarnwell")));
    EXPECT_EQ(folder.path(), program.path());
    EXPECT_TRUE(folder.isProgramFolder());
    EXPECT_TRUE(QDir(program.path()).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(user.filePath(QStringLiteral("Tarnwell"))));
}

TEST(DataFolder, AnInstalledCopyKeepsTheSameLayoutInTheUserFolderAndSaysSoOnce)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(makeFile(scratch.filePath(QStringLiteral("usr"))));
    const QString user = scratch.filePath(QStringLiteral("home/.local/share/Tarnwell"));
    ASSERT_TRUE(QDir().mkpath(user + QStringLiteral("/Profiles/Solo")));
    ASSERT_TRUE(makeFile(user + QStringLiteral("/Profiles/Solo/Config.ini"), "[Login]\r\nUsername=Solo\r\n"));

    const DataFolder folder = DataFolder::choose(scratch.filePath(QStringLiteral("usr/bin")), user);
    EXPECT_EQ(folder.path(), user);
    EXPECT_FALSE(folder.isProgramFolder());

    ManualClock clock;
    TarnwellApp app(folder.path(), clock);
    app.mainWindow().Form_Load();
    folder.announce(app);
    EXPECT_EQ(app.record(0).Username, QStringLiteral("Solo"));
    EXPECT_TRUE(QFileInfo(user + QStringLiteral("/Schemes")).isDir());
    const QString pane = app.pane(0).toPlainText();
    EXPECT_EQ(pane.count(kNotice), 1);
    EXPECT_TRUE(pane.endsWith(kNotice + QDir::toNativeSeparators(user) + QLatin1Char('\n'))) << pane.toStdString();
}

TEST(DataFolder, WhenNeitherCanBeWrittenTheProgramFolderStays)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(makeFile(scratch.filePath(QStringLiteral("file"))));
    const QString program = scratch.filePath(QStringLiteral("file/bin"));
    const DataFolder folder = DataFolder::choose(program, scratch.filePath(QStringLiteral("file/home")));
    EXPECT_EQ(folder.path(), program);
    EXPECT_TRUE(folder.isProgramFolder());
}

} // namespace
