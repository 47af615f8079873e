#include "platform/Clock.h"
#include "profiles/DataFolder.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>

namespace {

const QString kMarker = QStringLiteral("../share/metainfo/tarnwell.metainfo.xml");
const QString kInstalledNotice = QStringLiteral("This copy is installed, so profiles and schemes are kept in ");
const QString kReadOnlyNotice =
    QStringLiteral("The program folder cannot be written to, so profiles and schemes are kept in ");

bool makeFile(const QString &path, const QByteArray &content = {})
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The program folder as a copy finds it. No one, an administrator included,
// can make a file in a folder whose path runs through a file: such a path
// stands for a folder that cannot be written.
enum class Program { Portable, Installed, ReadOnly };
enum class User { Usable, Unusable, Unknown };
enum class Expected { ProgramFolder, UserFolder };

struct Case {
    const char *name;
    Program program;
    User user;
    Expected expected;
    const QString *notice; // nullptr: nothing is said
};

void PrintTo(const Case &c, std::ostream *out) { *out << c.name; }

const Case kCases[] = {
    {"a writable portable copy stays beside itself", Program::Portable, User::Usable, Expected::ProgramFolder,
     nullptr},
    // Run by an administrator an installed copy could write into /usr/bin:
    // it must not.
    {"an installed copy uses the user folder even where it could write", Program::Installed, User::Usable,
     Expected::UserFolder, &kInstalledNotice},
    {"an installed copy whose user folder cannot be made still stays out of its installation", Program::Installed,
     User::Unusable, Expected::UserFolder, &kInstalledNotice},
    {"a read-only portable copy moves to the user folder", Program::ReadOnly, User::Usable, Expected::UserFolder,
     &kReadOnlyNotice},
    {"when neither can be written the program folder stays", Program::ReadOnly, User::Unusable,
     Expected::ProgramFolder, nullptr},
    {"without a user folder the program folder stays", Program::Installed, User::Unknown, Expected::ProgramFolder,
     nullptr},
};

class DataFolderChoice : public ::testing::TestWithParam<Case> {
protected:
    QTemporaryDir scratch;
    QString program;
    QString user;

    void SetUp() override
    {
        const Case &c = GetParam();
        ASSERT_TRUE(makeFile(scratch.filePath(QStringLiteral("file"))));
        program = scratch.filePath(c.program == Program::ReadOnly ? QStringLiteral("file/bin")
                                                                  : QStringLiteral("usr/bin"));
        if (c.program != Program::ReadOnly) {
            ASSERT_TRUE(QDir().mkpath(program));
        }
        if (c.program == Program::Installed) {
            ASSERT_TRUE(QDir().mkpath(scratch.filePath(QStringLiteral("usr/share/metainfo"))));
            ASSERT_TRUE(makeFile(program + QLatin1Char('/') + kMarker));
        }
        switch (c.user) {
        case User::Usable: user = scratch.filePath(QStringLiteral("home/.local/share/Tarnwell")); break;
        case User::Unusable: user = scratch.filePath(QStringLiteral("file/home")); break;
        case User::Unknown: break;
        }
    }
};

TEST_P(DataFolderChoice, KeepsSettingsWhereTheCopyBelongsAndSaysWhere)
{
    const Case &c = GetParam();
    const DataFolder folder = DataFolder::choose(program, user, kMarker);
    const QString expected = c.expected == Expected::ProgramFolder ? program : user;
    EXPECT_EQ(folder.path(), expected);
    EXPECT_EQ(folder.isProgramFolder(), c.notice == nullptr);
    if (c.program != Program::ReadOnly) {
        EXPECT_EQ(QDir(program).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden).size(), 0)
            << "the probe or the settings were left in the program folder";
    }
    if (c.user == User::Usable) {
        EXPECT_EQ(QFileInfo(user).isDir(), c.expected == Expected::UserFolder)
            << "the user folder is made only when it is used";
    }

    if (expected.startsWith(scratch.filePath(QStringLiteral("file/"))))
        return; // nothing can be kept there
    ManualClock clock;
    TarnwellApp app(folder.path(), clock);
    app.mainWindow().Form_Load();
    folder.announce(app);
    EXPECT_TRUE(QFileInfo(expected + QStringLiteral("/Schemes")).isDir());
    const QString pane = app.profile(0).pane().toPlainText();
    for (const QString *notice : {&kInstalledNotice, &kReadOnlyNotice}) {
        EXPECT_EQ(pane.count(*notice), notice == c.notice ? 1 : 0) << pane.toStdString();
    }
    if (c.notice) {
        EXPECT_TRUE(pane.endsWith(*c.notice + QDir::toNativeSeparators(expected) + QLatin1Char('\n')))
            << pane.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Copies, DataFolderChoice, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case> &param) {
                             std::string name;
                             for (const char *c = param.param.name; *c; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c)))
                                     name += *c;
                             return name;
                         });

TEST(DataFolder, AnInstalledCopyLoadsTheProfilesAlreadyInTheUserFolder)
{
    QTemporaryDir scratch;
    const QString program = scratch.filePath(QStringLiteral("usr/bin"));
    ASSERT_TRUE(QDir().mkpath(scratch.filePath(QStringLiteral("usr/share/metainfo"))));
    ASSERT_TRUE(QDir().mkpath(program));
    ASSERT_TRUE(makeFile(program + QLatin1Char('/') + kMarker));
    const QString user = scratch.filePath(QStringLiteral("home/.local/share/Tarnwell"));
    ASSERT_TRUE(QDir().mkpath(user + QStringLiteral("/Profiles/Solo")));
    ASSERT_TRUE(makeFile(user + QStringLiteral("/Profiles/Solo/Config.ini"), "[Login]\r\nUsername=Solo\r\n"));

    ManualClock clock;
    TarnwellApp app(DataFolder::choose(program, user, kMarker).path(), clock);
    app.mainWindow().Form_Load();
    EXPECT_EQ(app.profile(0).record().Username, QStringLiteral("Solo"));
}

} // namespace
