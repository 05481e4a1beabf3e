// Every test executable runs its tests inside one QApplication on the offscreen
// platform, so real widgets work without a display. No test reaches the desktop's
// session bus (and its secret store): a test that needs one starts its own.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/orvan-tests-have-no-session-bus");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
