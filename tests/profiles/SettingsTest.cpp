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

} // namespace
