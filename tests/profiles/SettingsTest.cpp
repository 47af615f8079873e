#include "platform/Failure.h"
#include "profiles/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SettingsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Settings settings{dir.path()};
    void SetUp() override
    {
        QDir(dir.path()).mkpath(QStringLiteral("Profiles/alpha"));
        QDir(dir.path()).mkpath(QStringLiteral("Schemes"));
    }
};

TEST_F(SettingsTest, FirstAccessCreatesTheEmptyFile)
{
    EXPECT_EQ(settings.ReadProfileSetting(QStringLiteral("alpha"), QStringLiteral("Login"), QStringLiteral("Home")),
              QString());
    QFile config(settings.profileConfigPath(QStringLiteral("alpha")));
    EXPECT_TRUE(config.exists());
    EXPECT_EQ(config.size(), 0);
    EXPECT_EQ(config.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), QFileDevice::Permissions());

    EXPECT_EQ(settings.ReadSchemeSetting(QStringLiteral("Night"), QStringLiteral("Skin"), QStringLiteral("Menu")),
              QString());
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Schemes/Night.ini"))));
}

TEST_F(SettingsTest, WrittenValuesReadBack)
{
    settings.WriteSchemeSetting(QStringLiteral("Night"), QStringLiteral("Skin"), QStringLiteral("RTB lines"),
                                QStringLiteral("255"));
    EXPECT_EQ(settings.ReadSchemeSetting(QStringLiteral("Night"), QStringLiteral("Skin"), QStringLiteral("RTB Lines")),
              QStringLiteral("255"));
    settings.WriteProfileSetting(QStringLiteral("alpha"), QStringLiteral("Login"), QStringLiteral("Home"),
                                 QStringLiteral("  Op Tarn  "));
    EXPECT_EQ(settings.ReadProfileSetting(QStringLiteral("alpha"), QStringLiteral("Login"), QStringLiteral("Home")),
              QStringLiteral("Op Tarn"));
}

TEST_F(SettingsTest, AProfileWhoseFolderIsGoneRaises)
{
    QDir(dir.filePath(QStringLiteral("Profiles/alpha"))).removeRecursively();
    EXPECT_THROW(settings.ReadProfileSetting(QStringLiteral("alpha"), QStringLiteral("Login"), QStringLiteral("Home")),
                 Failure);
    EXPECT_THROW(settings.WriteProfileSetting(QStringLiteral("alpha"), QStringLiteral("Login"), QStringLiteral("Home"),
                                              QStringLiteral("x")),
                 Failure);
    // Nor does a nameless profile leave a settings file in the Profiles folder.
    EXPECT_THROW(settings.ReadProfileSetting(QString(), QStringLiteral("Scheme"), QStringLiteral("Default")), Failure);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Profiles/Config.ini"))));
}

TEST_F(SettingsTest, AConfigFileOthersCanReadIsMadeOwnerOnlyOnItsNextWriteAndThatIsReportedOnce)
{
    QStringList reports;
    settings.setReport([&](const CurrentError &error, const QString &procedure) {
        reports << procedure + QStringLiteral(": ") + error.description;
    });
    const QString path = settings.profileConfigPath(QStringLiteral("alpha"));
    QFile config(path);
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write("[Login]\nPassword=Secret1\n");
    config.close();
    ASSERT_TRUE(config.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                      QFileDevice::ReadOther));

    settings.ReadProfileSetting(QStringLiteral("alpha"), QStringLiteral("Login"), QStringLiteral("Password"));
    EXPECT_TRUE(reports.isEmpty()) << "reading changes nothing";
    for (const char *home : {"one", "two"})
        settings.WriteProfileSetting(QStringLiteral("alpha"), QStringLiteral("Login"), QStringLiteral("Home"),
                                     QString::fromLatin1(home));
    EXPECT_EQ(QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].startsWith(QStringLiteral("WriteProfileSetting: Others could read "))) << reports[0].toStdString();
    EXPECT_EQ(settings.ReadProfileSetting(QStringLiteral("alpha"), QStringLiteral("Login"), QStringLiteral("Home")),
              QStringLiteral("two"));
}

} // namespace
