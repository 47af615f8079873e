#include "profiles/TarnwellApp.h"
#include "profiles/frmPopupMenu.h"
#include "support/InputBoxAnswer.h"
#include "support/TestApp.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

constexpr QFileDevice::Permissions kOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                             QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;

bool othersMay(const QString &path)
{
    return (QFile::permissions(path) & kOthers) != QFileDevice::Permissions();
}

TEST(ProfilePrivacy, WhatAProfileKeepsIsTheOwnersOnlyAndEarlierFilesAreTightened)
{
    TestApp test;
    test.writeProfile(QStringLiteral("alpha"), "[Options]\nLog Chat=1\n");
    const QString folder = test.folder() + QStringLiteral("/Profiles/alpha");
    const QStringList paths = {folder, folder + QStringLiteral("/UserFilters.txt"), folder + QStringLiteral("/Logs"),
                               folder + QStringLiteral("/Logs/2026-12-01.txt")};
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("Logs")));
    for (const QString &file : {paths[1], paths[3]}) {
        QFile created(file);
        ASSERT_TRUE(created.open(QIODevice::WriteOnly));
    }
    for (const QString &path : paths)
        ASSERT_TRUE(QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ReadOther));

    test.startUp();
    for (const QString &path : paths)
        EXPECT_FALSE(othersMay(path)) << path.toStdString();
    // Made by this run: the other filter file and today's log.
    EXPECT_FALSE(othersMay(folder + QStringLiteral("/MessageFilters.txt")));
    EXPECT_FALSE(othersMay(folder + QStringLiteral("/Logs/2026-12-08.txt")));

    InputBoxAnswer answer({QStringLiteral("beta")});
    test.app->popupMenu().mnuCreateProfile->trigger();
    EXPECT_EQ(QFile::permissions(test.folder() + QStringLiteral("/Profiles/beta")),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                  QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}

} // namespace
