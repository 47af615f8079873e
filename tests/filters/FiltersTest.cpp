#include "filters/FilterFile.h"
#include "filters/clsFilters.h"
#include "filters/frmFilters.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "support/ChatEvents.h"
#include "support/MessageBoxAnswer.h"
#include "support/TestApp.h"
#include "update/UpdateCheck.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

constexpr quint32 kJoin = 0x02;
constexpr quint32 kTalk = 0x05;

class Filters : public ::testing::Test {
protected:
    Filters()
    {
        test.writeProfile(QStringLiteral("alpha"), "[Login]\nUsername=Alpha\n[Options]\nJoin/Leave=1\n");
        test.startUp();
    }

    QString filePath(const char *name) const { return test.folder() + QStringLiteral("/Profiles/alpha/") + name; }

    void writeFile(const char *name, const QByteArray &bytes) const
    {
        QFile file(filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readFile(const char *name) const
    {
        QFile file(filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    clsFilters &filters() const { return test.app->profile(0).filters(); }

    TestApp test;
};

} // namespace

TEST_F(Filters, EntriesMatchBySubstringOrByPattern)
{
    writeFile("MessageFilters.txt", "hello\r\nh*o\r\na?c\r\n");
    writeFile("UserFilters.txt", "bot*\r\n");
    filters().LoadFilters();

    const struct {
        quint8 type;
        const char *text;
        bool filtered;
    } cases[] = {
        {0, "Hello there", true}, {0, "say HELLO", true}, {0, "h then o", true}, {0, "ho", true},
        {0, "abc", false},        {0, "x a?c y", true},   {0, "oh", false},      {1, "MyBot2", true},
        {1, "bot", true},         {1, "robo", false},     {2, "hello", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(filters().FindFilter(c.type, QString::fromLatin1(c.text)), c.filtered) << c.text;
}

TEST_F(Filters, NothingMatchesBeforeLoadingOrWithEmptyFiles)
{
    clsFilters fresh(test.app->profile(0));
    EXPECT_FALSE(fresh.FindFilter(0, QString()));
    EXPECT_FALSE(fresh.FindFilter(1, QStringLiteral("anyone")));
    fresh.LoadFilters();
    EXPECT_EQ(readFile("UserFilters.txt"), QByteArray()) << "a missing file is created empty";
    EXPECT_FALSE(fresh.FindFilter(0, QStringLiteral("anything")));
}

TEST_F(Filters, BlankAndBareLineFeedLinesLoadInOrder)
{
    writeFile("UserFilters.txt", "\r\nfirst\r\n\r\n\r\nsecond\nthird");
    EXPECT_EQ(FilterFile::read(filePath("UserFilters.txt")),
              (QStringList{QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third")}));
}

TEST_F(Filters, AStoredMalformedPatternIsReportedOnceAndSkipped)
{
    writeFile("MessageFilters.txt", "*[abc\r\nspam\r\n");
    filters().LoadFilters();
    filters().LoadFilters();

    DeliverChatEvent(*test.app, 0, ChatEventMessage(kTalk, 0, 10, "Someone", "a line"));
    DeliverChatEvent(*test.app, 0, ChatEventMessage(kTalk, 0, 10, "Someone", "spam here"));
    EXPECT_TRUE(test.chatText(0).contains(QStringLiteral("a line")));
    EXPECT_FALSE(test.chatText(0).contains(QStringLiteral("spam here"))) << "the other filters still hold";
    EXPECT_EQ(test.chatText(0).count(QStringLiteral("The filter \"*[abc\" is not a valid pattern")), 1);
    EXPECT_TRUE(test.errorLogText().isEmpty()) << test.errorLogText().toStdString();
}

TEST_F(Filters, TheWindowRefusesAFilterThatCouldNotWorkAsTyped)
{
    test.app->popupMenu().mnuFilters->trigger();
    frmFilters &dialog = test.app->popupMenu().filtersWindow();
    const struct {
        QString typed;
        const char *refusal; // nullptr: accepted
    } cases[] = {
        {QStringLiteral("*[abc"), "is not a valid pattern"},
        {QStringLiteral("bad*[z-a]"), "is not a valid pattern"},
        {QStringLiteral("half") + QChar(0xD800) + QStringLiteral("*"), "cannot hold"},
        {QStringLiteral("[abc"), nullptr},
        {QStringLiteral("*спам*"), nullptr},
    };
    for (const auto &c : cases) {
        MessageBoxAnswer ok;
        dialog.txtAdd->setText(c.typed);
        dialog.cmdAddMessage->click();
        if (c.refusal) {
            EXPECT_TRUE(ok.text().contains(QString::fromLatin1(c.refusal))) << ok.text().toStdString();
            EXPECT_EQ(dialog.txtAdd->text(), c.typed) << "kept for fixing";
        } else {
            EXPECT_TRUE(ok.text().isEmpty()) << c.typed.toStdString();
        }
    }
    EXPECT_EQ(dialog.lstMessages->count(), 2);
    dialog.close();

    // Stored exactly: the filter hides what it names and nothing more.
    filters().LoadFilters();
    EXPECT_TRUE(filters().FindFilter(0, QStringLiteral("купи СПАМ тут")));
    EXPECT_FALSE(filters().FindFilter(0, QStringLiteral("four or more letters")));
    EXPECT_EQ(readFile("MessageFilters.txt"), QByteArray("\xEF\xBB\xBF[abc\r\n*спам*\r\n"));
}

TEST_F(Filters, DialogRoundTripRewritesBothFilesWithCrLf)
{
    writeFile("MessageFilters.txt", "spam\r\n\r\nads*now");
    writeFile("UserFilters.txt", "bot*\r\n");
    test.app->popupMenu().mnuFilters->trigger();
    frmFilters &dialog = test.app->popupMenu().filtersWindow();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Chat Filters"));
    EXPECT_EQ(dialog.lstMessages->count(), 2);
    EXPECT_EQ(dialog.lstUsers->count(), 1);
    dialog.close();
    EXPECT_EQ(readFile("MessageFilters.txt"), QByteArray("spam\r\nads*now\r\n"));
    EXPECT_EQ(readFile("UserFilters.txt"), QByteArray("bot*\r\n"));

    test.app->popupMenu().mnuFilters->trigger();
    {
        MessageBoxAnswer ok;
        dialog.cmdAddMessage->click();
        EXPECT_EQ(ok.text(), QStringLiteral("Enter in a filter."));
    }
    EXPECT_EQ(dialog.lstMessages->count(), 2) << "an empty box adds nothing";
    dialog.txtAdd->setText(QStringLiteral("Spam"));
    dialog.cmdAddMessage->click();
    EXPECT_TRUE(dialog.txtAdd->text().isEmpty());
    dialog.cmdRemUser->click();
    EXPECT_EQ(dialog.lstUsers->count(), 1) << "nothing selected, nothing removed";
    dialog.lstUsers->setCurrentRow(0);
    dialog.cmdRemUser->click();
    dialog.close();
    EXPECT_EQ(readFile("MessageFilters.txt"), QByteArray("spam\r\nads*now\r\nSpam\r\n"));
    EXPECT_EQ(readFile("UserFilters.txt"), QByteArray());
    EXPECT_TRUE(filters().FindFilter(0, QStringLiteral("buy ads right now"))) << "closing puts the lists into effect";
}

TEST_F(Filters, FilteredUsersJoinLineStaysHiddenAfterRestart)
{
    test.app->popupMenu().mnuFilters->trigger();
    frmFilters &dialog = test.app->popupMenu().filtersWindow();
    dialog.txtAdd->setText(QStringLiteral("spam*"));
    dialog.cmdAddUser->click();
    dialog.close();

    test.app.reset();
    test.app = std::make_unique<TarnwellApp>(test.folder(), test.clock);
    test.app->updateCheck().setServer({});
    test.startUp();
    DeliverChatEvent(*test.app, 0, ChatEventMessage(kJoin, 0, 10, "SpamBot", "RATS 0 0 0 0 0 0 0 0 RATS"));
    DeliverChatEvent(*test.app, 0, ChatEventMessage(kJoin, 0, 10, "Friend", "RATS 0 0 0 0 0 0 0 0 RATS"));
    EXPECT_FALSE(test.chatText(0).contains(QStringLiteral("SpamBot")));
    EXPECT_TRUE(test.chatText(0).contains(QStringLiteral("Friend joined"))) << test.chatText(0).toStdString();
}
