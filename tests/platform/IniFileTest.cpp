#include "platform/Failure.h"
#include "platform/IniFile.h"
#include "support/FullDisk.h"

#include <QDir>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Config.ini"));

    void writeRaw(const QByteArray &bytes) const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readRaw() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(IniFileTest, MissingFileSectionOrKeyReadsEmpty)
{
    EXPECT_EQ(IniFile::read(path, QStringLiteral("Login"), QStringLiteral("Username")), QString());
    writeRaw("[Login]\nUsername=\n");
    EXPECT_EQ(IniFile::read(path, QStringLiteral("Login"), QStringLiteral("Username")), QString());
    EXPECT_EQ(IniFile::read(path, QStringLiteral("Login"), QStringLiteral("Password")), QString());
    EXPECT_EQ(IniFile::read(path, QStringLiteral("Ping"), QStringLiteral("Spoof")), QString());
}

TEST_F(IniFileTest, ReadsAreTrimmedCutAt255AndIgnoreCase)
{
    writeRaw("; a comment\r\n[skin]\r\nrtb LINES  =  12345  \r\n[Login]\nPassword=" + QByteArray(300, 'x') +
             "\nHome=  two words  \n");
    EXPECT_EQ(IniFile::read(path, QStringLiteral("Skin"), QStringLiteral("RTB Lines")), QStringLiteral("12345"));
    EXPECT_EQ(IniFile::read(path, QStringLiteral("LOGIN"), QStringLiteral("password")), QString(255, QLatin1Char('x')));
    EXPECT_EQ(IniFile::read(path, QStringLiteral("Login"), QStringLiteral("Home")), QStringLiteral("two words"));
}

TEST_F(IniFileTest, WriteReplacesOnlyThatKeyAndKeepsEverythingElse)
{
    writeRaw("; keep me\n[Login]\nUsername=old\n\n; between\nHome=Op Tarn\n[Ping]\nSpoof=0ms\n");
    IniFile::write(path, QStringLiteral("login"), QStringLiteral("USERNAME"), QStringLiteral("new"));
    IniFile::write(path, QStringLiteral("Login"), QStringLiteral("Server"), QStringLiteral("127.0.0.1"));
    IniFile::write(path, QStringLiteral("Options"), QStringLiteral("Join/Leave"), QStringLiteral("1"));
    EXPECT_EQ(readRaw(), QByteArray("; keep me\r\n[Login]\r\nUsername=new\r\n\r\n; between\r\nHome=Op Tarn\r\n"
                                    "Server=127.0.0.1\r\n[Ping]\r\nSpoof=0ms\r\n[Options]\r\nJoin/Leave=1\r\n"));
}

TEST_F(IniFileTest, TextIsWindows1252AndLineBreaksCannotSplitAnEntry)
{
    IniFile::write(path, QStringLiteral("Anti idle"), QStringLiteral("Message"),
                   QString::fromUtf8("Caf\u00e9 \u20ac\nInjected=1"));
    EXPECT_EQ(readRaw(), QByteArray("[Anti idle]\r\nMessage=Caf\xE9 \x80 Injected=1\r\n"));
    EXPECT_EQ(IniFile::read(path, QStringLiteral("Anti idle"), QStringLiteral("Injected")), QString());
    EXPECT_EQ(IniFile::read(path, QStringLiteral("Anti idle"), QStringLiteral("Message")),
              QString::fromUtf8("Caf\u00e9 \u20ac Injected=1"));
}

TEST_F(IniFileTest, EveryCharacterSurvivesAndOldFilesReadAsBefore)
{
    const struct {
        QByteArray stored;
        QString value;
    } reads[] = {
        {"[Login]\r\nHome=Caf\xE9 \x80\r\n", QString::fromUtf8("Caf\u00e9 \u20ac")},   // Windows-1252
        {"[Login]\r\nHome=Caf\xC3\xA9\r\n", QString::fromUtf8("Caf\u00e9")},            // UTF-8 by hand
        {"\xEF\xBB\xBF[Login]\r\nHome=\xD0\x9A\xE5\xA4\xA9\r\n", QString::fromUtf8("\u041a\u5929")},
        {"[Login]\r\nHome=\xC3(\r\n", QString::fromUtf8("\u00c3(")},                  // not UTF-8
    };
    for (const auto &r : reads) {
        writeRaw(r.stored);
        EXPECT_EQ(IniFile::read(path, QStringLiteral("Login"), QStringLiteral("Home")), r.value) << r.stored.constData();
    }

    writeRaw("[Login]\r\nHome=Caf\xE9\r\n");
    IniFile::write(path, QStringLiteral("Login"), QStringLiteral("Home"), QString::fromUtf8("\u041a\u0430\u043d\u0430\u043b"));
    EXPECT_EQ(readRaw(), QByteArray("\xEF\xBB\xBF[Login]\r\nHome=\xD0\x9A\xD0\xB0\xD0\xBD\xD0\xB0\xD0\xBB\r\n"));
    IniFile::write(path, QStringLiteral("Login"), QStringLiteral("Home"), QStringLiteral("Op Tarn"));
    EXPECT_EQ(readRaw(), QByteArray("[Login]\r\nHome=Op Tarn\r\n")) << "back to the old code page once it fits";
}

TEST_F(IniFileTest, AWriteThatChangesNothingLeavesTheFileAlone)
{
    writeRaw("[Registration]\r\nMode=Disabled\r\n");
    const QDateTime old(QDate(2001, 1, 1), QTime(0, 0));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    IniFile::write(path, QStringLiteral("registration"), QStringLiteral("Mode"), QStringLiteral("Disabled"));
    EXPECT_EQ(QFileInfo(path).lastModified(), old);
    IniFile::write(path, QStringLiteral("Registration"), QStringLiteral("Mode"), QStringLiteral("Register"));
    EXPECT_NE(QFileInfo(path).lastModified(), old);
}

TEST_F(IniFileTest, NewFilesAreOwnerOnlyAndAFolderThatIsGoneFails)
{
    IniFile::write(path, QStringLiteral("Login"), QStringLiteral("Password"), QStringLiteral("secret"));
    EXPECT_EQ(QFile::permissions(path) & (QFileDevice::ReadGroup | QFileDevice::ReadOther), QFileDevice::Permissions());
    IniFile::write(path, QStringLiteral("Login"), QStringLiteral("Password"), QStringLiteral("other"));
    EXPECT_EQ(QFile::permissions(path) & (QFileDevice::ReadGroup | QFileDevice::ReadOther), QFileDevice::Permissions());

    const QString gone = dir.filePath(QStringLiteral("missing/Config.ini"));
    EXPECT_THROW(IniFile::write(gone, QStringLiteral("Login"), QStringLiteral("Home"), QStringLiteral("x")), Failure);
}

TEST_F(IniFileTest, SeveralKeysGoInOneReplacementThatAFullDiskLeavesUndone)
{
    writeRaw("[Login]\r\nPassword=Secret1\r\nNew Password=Better2\r\n");
    const std::vector<IniFile::Entry> change{{QStringLiteral("Login"), QStringLiteral("Password"), QStringLiteral("Better2")},
                                             {QStringLiteral("Login"), QStringLiteral("New Password"), QString()},
                                             {QStringLiteral("Ping"), QStringLiteral("Spoof"), QStringLiteral("0ms")}};
    {
        const FullDisk full;
        EXPECT_THROW(IniFile::write(path, change), Failure);
    }
    EXPECT_EQ(readRaw(), QByteArray("[Login]\r\nPassword=Secret1\r\nNew Password=Better2\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Config.ini")})
        << "no temporary file is left behind";

    IniFile::write(path, change);
    EXPECT_EQ(readRaw(), QByteArray("[Login]\r\nPassword=Better2\r\nNew Password=\r\n[Ping]\r\nSpoof=0ms\r\n"));
}

} // namespace
