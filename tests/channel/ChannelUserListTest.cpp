#include "channel/ChannelUserList.h"
#include "channel/ChannelUserModel.h"
#include "channel/ChatEvent.h"
#include "channel/clsBNCS.h"
#include "channel/clsUsers.h"
#include "profiles/ProfileOnScreen.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "profiles/modProfiles.h"
#include "support/ChannelFixture.h"

#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace ChatEventId;

class ChannelUserListTest : public ChannelFixture {
protected:
    void SetUp() override { event(Channel, 0, 0, "Alpha", "Chat"); }

    int imageOf(int row, int column) const { return list.rowIndex(row, column).data(ChannelUserModel::kImageRole).toInt(); }
    // Pixels of a row's cell that differ from the list's background.
    int paintedPixels(int row, int column) const
    {
        const QImage shot = list.viewport()->grab().toImage();
        const QRect cell = list.visualRect(list.rowIndex(row, column));
        const QRgb background = list.palette().color(QPalette::Base).rgb();
        int painted = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x < cell.left() + list.iconSize().width(); ++x)
                painted += shot.pixel(x, y) != background ? 1 : 0;
        }
        return painted;
    }
    QColor colourOf(int row) const { return list.rowIndex(row).data(Qt::ForegroundRole).value<QColor>(); }

    // Connects the profile on screen to a server on this machine.
    void connectProfile()
    {
        ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
        QTcpSocket &socket = app.current().socket();
        socket.connectToHost(QHostAddress::LocalHost, server.serverPort());
        ASSERT_TRUE(socket.waitForConnected(5000));
    }
    QPoint centreOf(int row) const { return list.visualRect(list.rowIndex(row)).center(); }

    QTcpServer server;
};

TEST_F(ChannelUserListTest, RowsCarryClientAndLatencyImagesAndTheirStatusColour)
{
    event(ShowUser, 0, 250, "Bob", "PX2D");
    event(ShowUser, 0x10, 50, "Cid", "3RAW 1R3W 3 ISCW");
    event(ShowUser, 0x02, 0, "Op", kStarcraftStats);
    event(ShowUser, 0x02, 80, "Alpha", kStarcraftStats);
    ASSERT_EQ(rowTexts(), (QStringList{" Alpha", " Op", " Bob", " Cid"}));
    EXPECT_TRUE(test.errorLogText().isEmpty());
    const struct {
        int row, column, image;
    } images[] = {{3, 0, 12}, {3, 1, 15}, {4, 0, 36}, {4, 1, 20}, {2, 0, 2}, {2, 1, 28}};
    for (const auto &each : images)
        EXPECT_EQ(imageOf(each.row, each.column), each.image) << "row " << each.row << " column " << each.column;
    EXPECT_EQ(colourOf(3), QColor(0xFFFFFFu));
    EXPECT_EQ(colourOf(2), QColor(0x77B1BBu));
    // The profile's own row is cyan even as an operator.
    EXPECT_EQ(colourOf(1), QColor(0x00FFFFu));
    // The images are painted, not only named; a row's text starts after its image.
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_GT(paintedPixels(3, 0), 20);
    EXPECT_GT(paintedPixels(3, 1), 20);
}

TEST_F(ChannelUserListTest, AFlagUpdateRebuildsTheRowFromTheStoredUser)
{
    for (const QByteArray name : {"Op1", "Op2"})
        event(ShowUser, 0x02, 10, name, kStarcraftStats);
    for (const QByteArray name : {"Bob", "Cid"})
        event(ShowUser, 0, 10, name, kStarcraftStats);
    ASSERT_EQ(rowTexts(), (QStringList{" Op2", " Op1", " Bob", " Cid"}));
    test.clock.advance(60000);
    // Updates such as these after "/ignore" or a lost flag carry no statstring.
    event(FlagsUpdate, 0, 10, "Bob", {});
    event(FlagsUpdate, 0x20, 10, "Cid", {});
    event(FlagsUpdate, 0, 10, "Op2", {});
    EXPECT_EQ(rowTexts(), (QStringList{" Op1", " Op2", " Bob", " Cid"}));
    const struct {
        int row;
        int icon;
    } rows[] = {{2, 5}, {3, 5}, {4, 13}};
    for (const auto &each : rows)
        EXPECT_EQ(imageOf(each.row, 0), each.icon) << "row " << each.row;
    EXPECT_EQ(test.clock.ticksSince(app.current().users().GetUptime(QStringLiteral("Bob"))), 60000u)
        << "a rebuilt row's user keeps its uptime";
}

TEST_F(ChannelUserListTest, EachProfileKeepsItsOwnRowsAndComesBackToTheListItLeft)
{
    for (const QByteArray name : {"Bob", "Cid", "Dan"})
        event(ShowUser, 0, 10, name, kStarcraftStats);
    // A stats update moves Bob to the end of the list but not of the store.
    event(ShowUser, 0, 10, "Bob", kStarcraftStats);
    event(Channel, 0, 0, "Beta", "Elsewhere", kBeta);
    event(ShowUser, 0x02, 10, "Eve", kStarcraftStats, kBeta);
    ASSERT_EQ(rowTexts(), (QStringList{" Cid", " Dan", " Bob"}));
    const ChannelUserModel *alphaRows = list.shownRows();

    ShowProfile(app, kBeta);
    EXPECT_EQ(rowTexts(), QStringList{" Eve"});
    EXPECT_EQ(window.lblChlInfo->text(), QStringLiteral("Elsewhere [1]"));
    event(Leave, 0, 0, "Dan");
    ShowProfile(app, kAlpha);
    EXPECT_EQ(list.shownRows(), alphaRows) << "the profile's own rows, not a refill";
    EXPECT_EQ(rowTexts(), (QStringList{" Cid", " Bob"}));
    EXPECT_EQ(window.lblChlInfo->text(), QStringLiteral("Chat [2]"));
    EXPECT_TRUE(test.errorLogText().isEmpty());
}

TEST_F(ChannelUserListTest, APlaceBeyondTheEndIsReportedAndMakesNoRow)
{
    app.profile(kAlpha).bncs().AddUser(QStringLiteral("Bob"), 0, 10, QString::fromLatin1(kStarcraftStats), 5);
    EXPECT_TRUE(rowTexts().isEmpty());
    EXPECT_TRUE(test.errorLogText().contains(QStringLiteral("Error in: AddUser() of clsBNCS")));
}

TEST_F(ChannelUserListTest, SwitchingProfilesRefillsTheListFromTheirStores)
{
    event(ShowUser, 0, 10, "Bob", kStarcraftStats);
    event(Channel, 0, 0, "Beta", "Elsewhere", kBeta);
    event(ShowUser, 0, 10, "Cid", kStarcraftStats, kBeta);
    event(ShowUser, 0x02, 10, "Dee", kStarcraftStats, kBeta);
    event(ShowUser, 0, 10, "", kStarcraftStats, kBeta);

    lstProfiles_Click(app, QStringLiteral("beta"));
    EXPECT_EQ(rowTexts(), (QStringList{" Dee", " Cid"}));
    EXPECT_EQ(window.lblChlInfo->text(), QStringLiteral("Elsewhere [2]"));
    lstProfiles_Click(app, QStringLiteral("alpha"));
    EXPECT_EQ(rowTexts(), QStringList{" Bob"});
    EXPECT_EQ(window.lblChlInfo->text(), QStringLiteral("Chat [1]"));
}

TEST_F(ChannelUserListTest, ChannelNamesAreShownAsPlainText)
{
    event(Channel, 0, 0, "Alpha", "<b>Clan</b>");
    EXPECT_EQ(window.lblChlInfo->textFormat(), Qt::PlainText);
    EXPECT_EQ(window.lblChlInfo->text(), QStringLiteral("<b>Clan</b> [0]"));
}

TEST_F(ChannelUserListTest, DoubleClickAndRightButtonActOnlyWhileConnected)
{
    event(ShowUser, 0, 10, "Bob", kStarcraftStats);
    window.showForTyping();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QMenu &userMenu = *app.popupMenu().mnuUserOptions;

    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centreOf(1));
    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, centreOf(1));
    EXPECT_TRUE(window.txtSend->text().isEmpty());
    EXPECT_FALSE(userMenu.isVisible());

    connectProfile();
    window.txtSend->setText(QStringLiteral("/w "));
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centreOf(1));
    EXPECT_EQ(window.txtSend->text(), QStringLiteral("/w Bob"));
    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, centreOf(1));
    EXPECT_TRUE(userMenu.isVisible());
    userMenu.hide();
}

} // namespace
