#include "shell/Police.h"

#include <QApplication>
#include <gmock/gmock.h>

int main(int argc, char** argv)
{
    // Listing the tests at build time happens without any display.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The windows under test have the type the program gives itself.
    appliquerPoliceApplication();
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
