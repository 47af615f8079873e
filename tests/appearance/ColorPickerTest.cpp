#include "appearance/Appearance.h"
#include "appearance/ColourField.h"
#include "appearance/frmColorPicker.h"
#include "support/TestApp.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(ColorPicker, GradientRunsThroughFourBandsAndGetsBluerDownwards)
{
    struct Case {
        int x, y;
        quint32 rgb;
    };
    for (const Case &each : {Case{0, 0, 0x000000}, Case{63, 0, 0xFC0000}, Case{64, 0, 0xFF0000},
                             Case{127, 10, 0xFFFC14}, Case{128, 64, 0xFFFF80}, Case{191, 127, 0x03FFFE},
                             Case{192, 128, 0x00FFFF}, Case{255, 128, 0x0003FF}}) {
        EXPECT_EQ(frmColorPicker::gradientColour(each.x, each.y), Rgb(each.rgb)) << each.x << "," << each.y;
    }
}

TEST(ColorPicker, TakesTheColourUnderTheMouseWhileTheButtonIsHeld)
{
    TestApp test;
    frmColorPicker &picker = test.app->appearance().colourPicker();
    picker.open();
    EXPECT_EQ(picker.CPic1->size(), QSize(256, 129));
    QTest::mousePress(picker.CPic1, Qt::LeftButton, {}, QPoint(0, 0));
    QMouseEvent move(QEvent::MouseMove, QPointF(70, 128), picker.CPic1->mapToGlobal(QPointF(70, 128)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(picker.CPic1, &move);
    EXPECT_EQ(picker.txtExample->colour(), Rgb(0x000000)) << "the sample changes when the button is let go";
    // Let go outside the field: the colour is the one last under the mouse there.
    QTest::mouseRelease(picker.CPic1, Qt::LeftButton, {}, QPoint(400, 300));
    EXPECT_EQ(picker.txtExample->colour(), Rgb(0xFF18FF));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    // A move without the button changes nothing.
    QMouseEvent hover(QEvent::MouseMove, QPointF(5, 5), picker.CPic1->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(picker.CPic1, &hover);
    QTest::mouseRelease(picker.CPic1, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(picker.txtExample->colour(), Rgb(0xFF18FF));
}

} // namespace
