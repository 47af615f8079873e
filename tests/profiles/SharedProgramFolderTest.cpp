#include "profiles/TarnwellApp.h"
#include "support/QtPrinting.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

constexpr int kWrites = 300;

void writeKeys(const TarnwellApp &app, const QString &prefix)
{
    for (int n = 0; n < kWrites; ++n)
        app.settings().WriteProfileSetting(QStringLiteral("Shared"), QStringLiteral("Options"),
                                           prefix + QString::number(n), QString::number(n));
}

// Two copies of the program on one folder, each writing keys of its own into
// the same Config.ini at the same time: every key of both is there after.
TEST(SharedProgramFolder, TwoProgramsWritingOneConfigFileLoseNoKey)
{
    TestApp first;
    first.writeProfile(QStringLiteral("Shared"), "[Login]\nUsername=probe\n");
    ManualClock secondClock;
    const TarnwellApp second(first.folder(), secondClock);

    // The settings layer is plain file work, so the second program's writes
    // can run on a thread of their own and truly overlap the first's.
    std::thread other([&] { writeKeys(second, QStringLiteral("B")); });
    writeKeys(*first.app, QStringLiteral("A"));
    other.join();

    QStringList missing;
    for (const QString &prefix : {QStringLiteral("A"), QStringLiteral("B")}) {
        for (int n = 0; n < kWrites; ++n) {
            if (second.settings().ReadProfileSetting(QStringLiteral("Shared"), QStringLiteral("Options"),
                                                     prefix + QString::number(n)) != QString::number(n))
                missing << prefix + QString::number(n);
        }
    }
    EXPECT_EQ(missing, QStringList());
    EXPECT_EQ(first.app->settings().ReadProfileSetting(QStringLiteral("Shared"), QStringLiteral("Login"),
                                                       QStringLiteral("Username")),
              QStringLiteral("probe"));
}

} // namespace
