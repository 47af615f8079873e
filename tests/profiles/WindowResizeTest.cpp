#include "channel/ChannelUserList.h"
#include "appearance/SchemeColours.h"
#include "display/ResizeGrips.h"
#include "platform/IniFile.h"
#include "profiles/ProgramSettings.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "profiles/modProfiles.h"
#include "support/QtPrinting.h"
#include "support/TestApp.h"
#include "support/WaitUntil.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextEdit>
#include <gtest/gtest.h>

#include <map>

namespace {

class WindowResizeTest : public ::testing::Test {
protected:
    TestApp test;
    frmMain &window = test.app->mainWindow();

    void SetUp() override
    {
        test.writeProfile(QStringLiteral("alpha"));
        test.startUp();
    }
    std::map<QString, QRect> places() const
    {
        std::map<QString, QRect> at;
        const QWidget *const controls[] = {window.rtbChat,     window.lstChannelUsers, window.txtSend,
                                           window.lstProfiles, window.lblProfiles,     window.lblFile,
                                           window.lblWindow,   window.lblAbout,        window.lblChlInfo,
                                           window.imgClose};
        for (const QWidget *control : controls)
            at[control->objectName()] = control->geometry();
        return at;
    }
    // Drags a grip by its middle.
    void drag(QWidget *grip, QPoint by) const
    {
        const QPointF local = QRectF(grip->rect()).center();
        const QPointF from = grip->mapToGlobal(local);
        QMouseEvent press(QEvent::MouseButtonPress, local, from, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grip, &press);
        QMouseEvent move(QEvent::MouseMove, local + by, from + by, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grip, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, local + by, from + by, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(grip, &release);
    }
};

TEST_F(WindowResizeTest, PanesGrowWithTheWindowWhileTheMenuBarKeepsItsSpacingAndButtonsTheirEdges)
{
    window.show();
    const QSize start = window.size();
    EXPECT_EQ(start, QSize(window.twips(12990), window.twips(6870)));
    EXPECT_EQ(window.minimumSize(), start);
    const std::map<QString, QRect> before = places();

    for (const QSize added : {QSize(200, 100), QSize(37, 5)}) {
        window.resize(start + added);
        const int dx = added.width();
        const int dy = added.height();
        const std::map<QString, QRect> expected{
            {"rtbChat", before.at("rtbChat").adjusted(0, 0, dx, dy)},
            {"lstChannelUsers", before.at("lstChannelUsers").adjusted(dx, 0, dx, dy)},
            {"txtSend", before.at("txtSend").adjusted(0, dy, dx, dy)},
            {"lstProfiles", before.at("lstProfiles").adjusted(0, 0, 0, dy)},
            {"lblProfiles", before.at("lblProfiles")},
            {"lblFile", before.at("lblFile")},
            {"lblWindow", before.at("lblWindow")},
            {"lblAbout", before.at("lblAbout")},
            {"lblChlInfo", before.at("lblChlInfo").translated(dx, 0)},
            {"imgClose", before.at("imgClose").translated(dx, 0)},
        };
        EXPECT_EQ(places(), expected) << added.width() << "x" << added.height();
    }

    // Hiding the profile list keeps what the user added.
    test.app->popupMenu().mnuShowProfiles->trigger();
    EXPECT_EQ(window.size(), QSize(window.twips(12270) + 37, start.height() + 5));
    EXPECT_EQ(window.rtbChat->geometry(),
              QRect(window.twips(130), window.twips(735), window.twips(8630) + 37, window.twips(5510) + 5));
    EXPECT_EQ(window.minimumSize(), QSize(window.twips(12270), start.height()));
    test.app->popupMenu().mnuShowProfiles->trigger();
    EXPECT_EQ(window.rtbChat->geometry(),
              QRect(window.twips(2535), window.twips(730), window.twips(6950) + 37, window.twips(5505) + 5));

    window.resize(10, 10);
    EXPECT_EQ(window.size(), window.minimumSize());
}

TEST_F(WindowResizeTest, TheGripsResizeTheWindowButNeverBelowItsFirstSizeAndTheSizeIsRemembered)
{
    window.show();
    const QSize start = window.size();
    const ResizeGrips *grips = window.findChild<ResizeGrips *>();
    ASSERT_NE(grips, nullptr);

    drag(grips->grip(Qt::BottomEdge | Qt::RightEdge), QPoint(150, 80));
    EXPECT_EQ(window.size(), start + QSize(150, 80));
    // Past the minimum the left edge stops; the right one stays put.
    const int right = window.geometry().right();
    drag(grips->grip(Qt::LeftEdge), QPoint(400, 0));
    EXPECT_EQ(window.width(), start.width());
    EXPECT_EQ(window.geometry().right(), right);

    const QString iniPath = ProgramSettings::path(test.app->settings());
    const auto stored = [&] {
        return QSize(IniFile::read(iniPath, QStringLiteral("Window"), QStringLiteral("Width")).toInt(),
                     IniFile::read(iniPath, QStringLiteral("Window"), QStringLiteral("Height")).toInt());
    };
    ASSERT_TRUE(WaitUntil([&] { return stored() == window.size(); }));

    // The next start opens at that size.
    TarnwellApp next(test.folder(), test.clock);
    EXPECT_EQ(next.mainWindow().size(), start + QSize(0, 80));
    EXPECT_EQ(next.mainWindow().rtbChat->height(), window.rtbChat->height());
}

TEST_F(WindowResizeTest, ScrollBarsAndSelectedRowsTakeTheColoursOfTheLinesAroundThem)
{
    QDir(test.folder()).mkpath(QStringLiteral("Schemes"));
    QFile scheme(test.folder() + QStringLiteral("/Schemes/Green.ini"));
    ASSERT_TRUE(scheme.open(QIODevice::WriteOnly));
    scheme.write("[Skin]\r\nListview lines=65280\r\nRTB lines=16711680\r\nProfiles lines=65535\r\n");
    scheme.close();
    test.app->settings().WriteProfileSetting(QStringLiteral("alpha"), QStringLiteral("Scheme"),
                                             QStringLiteral("Default"), QStringLiteral("Green"));
    const struct {
        const char *scheme;
        QAbstractScrollArea *view;
        QColor line;
    } cases[] = {
        {"Default", window.lstChannelUsers, kDesignLines.toQColor()},
        {"Green", window.lstChannelUsers, QColor(0, 0xFF, 0)},
        {"Green", window.rtbChat, QColor(0, 0, 0xFF)},
        {"Green", window.lstProfiles, QColor(0xFF, 0xFF, 0)},
    };
    for (const auto &c : cases) {
        ApplyScheme(*test.app, QString::fromLatin1(c.scheme));
        const QColor selected = c.view->palette().color(QPalette::Inactive, QPalette::Highlight);
        EXPECT_EQ(selected.hue(), c.line.hue()) << c.scheme << " " << c.view->objectName().toStdString();
        EXPECT_LT(selected.value(), c.line.value()) << "dimmed, so that the row's text reads on it";
        EXPECT_TRUE(c.view->verticalScrollBar()->styleSheet().contains(c.line.name()));
        EXPECT_TRUE(c.view->verticalScrollBar()->styleSheet().contains(QStringLiteral("background: black")));
    }
}

} // namespace
