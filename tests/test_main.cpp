#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Widgets are real, but the suite never needs a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Media commands must never reach the players of the desktop the suite
    // runs on; tests that need a player start their own bus.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
