#include "display/ToolTipWindow.h"
#include "display/clsToolTip.h"

#include <QLabel>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

class clsToolTipTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tool.setGeometry(100, 100, 200, 120);
        tool.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&tool));
        tip.setDelayTime(0);
    }
    QLabel *label(const char *name) const { return tip.window()->findChild<QLabel *>(QString::fromLatin1(name)); }
    bool waitUntilShown() const
    {
        return QTest::qWaitFor([this] { return tip.window() && tip.window()->isVisible(); }, 5000);
    }
    void sendToTool(QEvent::Type type)
    {
        QEvent event(type);
        QApplication::sendEvent(&tool, &event);
    }

    QWidget tool;
    clsToolTip tip;
};

TEST_F(clsToolTipTest, StartsWithTheDocumentedDefaults)
{
    const clsToolTip fresh;
    EXPECT_EQ(fresh.Style(), 0);
    EXPECT_FALSE(fresh.Centered());
    EXPECT_EQ(fresh.Icon(), 0);
    EXPECT_EQ(fresh.ForeColor(), Colour{0});
    EXPECT_EQ(fresh.BackColor(), Colour{0});
    EXPECT_TRUE(fresh.Title().isEmpty());
    EXPECT_TRUE(fresh.TipText().isEmpty());
    EXPECT_EQ(fresh.VisibleTime(), 5000);
    EXPECT_EQ(fresh.DelayTime(), 300);
    EXPECT_EQ(fresh.window(), nullptr);
}

TEST_F(clsToolTipTest, ACentredBalloonShowsUnderTheToolAfterTheDelayAndGoesAfterTheVisibleTime)
{
    tip.setStyle(1);
    tip.setCentered(true);
    tip.setDelayTime(40);
    tip.setVisibleTime(60);
    tip.setTipText(QStringLiteral("one\r\ntwo"));
    tip.Create(&tool);
    ASSERT_NE(tip.window(), nullptr);
    EXPECT_TRUE(tip.window()->isBalloon());
    EXPECT_FALSE(tip.window()->isVisible());
    ASSERT_TRUE(waitUntilShown());
    const QRect shown = tip.window()->geometry();
    EXPECT_NEAR(shown.center().x(), tool.geometry().center().x(), 1);
    EXPECT_EQ(shown.top(), tool.mapToGlobal(QPoint(0, tool.height())).y());
    EXPECT_EQ(label("text")->text(), QStringLiteral("one\ntwo"));
    EXPECT_TRUE(QTest::qWaitFor([this] { return !tip.window()->isVisible(); }, 5000));
}

TEST_F(clsToolTipTest, StyleOtherThanOneIsRectangularAndTextsArePlain)
{
    tip.setStyle(2);
    tip.setTitle(QStringLiteral("<b>Title</b>"));
    tip.setTipText(QStringLiteral("<i>text</i>"));
    tip.Create(&tool);
    EXPECT_FALSE(tip.window()->isBalloon());
    EXPECT_EQ(label("title")->textFormat(), Qt::PlainText);
    EXPECT_EQ(label("title")->text(), QStringLiteral("<b>Title</b>"));
    EXPECT_EQ(label("text")->textFormat(), Qt::PlainText);
    EXPECT_FALSE(label("icon")->isVisibleTo(tip.window()));
}

TEST_F(clsToolTipTest, ColourZeroKeepsTheSystemColourAndOneIsNearBlack)
{
    tip.setBackColor(Colour{1});
    tip.Create(&tool);
    const QPalette colours = tip.window()->palette();
    EXPECT_EQ(colours.color(QPalette::Window), QColor(1, 0, 0));
    EXPECT_EQ(colours.color(QPalette::WindowText), QToolTip::palette().color(QPalette::ToolTipText));
    tip.setForeColor(Rgb(0x55AEFF));
    EXPECT_EQ(tip.window()->palette().color(QPalette::WindowText), QColor(0x55AEFFu));
}

TEST_F(clsToolTipTest, ALiveTipTakesANewTitleOnlyWithAnIconButAlwaysNewText)
{
    tip.setTitle(QStringLiteral("first"));
    tip.Create(&tool);
    tip.setTitle(QStringLiteral("second"));
    EXPECT_EQ(label("title")->text(), QStringLiteral("first"));
    tip.setIcon(2);
    EXPECT_EQ(label("title")->text(), QStringLiteral("second"));
    EXPECT_TRUE(label("icon")->isVisibleTo(tip.window()));
    tip.setTipText(QStringLiteral("new text"));
    EXPECT_EQ(label("text")->text(), QStringLiteral("new text"));
}

TEST_F(clsToolTipTest, DestroyKeepsThePropertiesForTheNextCreate)
{
    tip.setStyle(1);
    tip.setTitle(QStringLiteral("kept"));
    tip.Create(&tool);
    tip.Destroy();
    EXPECT_EQ(tip.window(), nullptr);
    EXPECT_EQ(tip.Title(), QStringLiteral("kept"));
    tip.Create(&tool);
    EXPECT_TRUE(tip.window()->isBalloon());
    EXPECT_EQ(label("title")->text(), QStringLiteral("kept"));
}

TEST_F(clsToolTipTest, LeavingTheToolHidesTheTipAndComingBackShowsItAgain)
{
    tip.Create(&tool);
    ASSERT_TRUE(waitUntilShown());
    sendToTool(QEvent::Leave);
    EXPECT_FALSE(tip.window()->isVisible());
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), tool.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&tool, &enter);
    EXPECT_TRUE(waitUntilShown());
}

} // namespace
