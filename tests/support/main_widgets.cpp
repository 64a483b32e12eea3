#include "shell/Police.h"
#include "support/DureeEvenements.h"

#include <QApplication>
#include <gmock/gmock.h>

namespace {
// Every event goes through the measure of how long the window's thread handles it.
class ApplicationTests : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* destinataire, QEvent* evenement) override
    {
        return livrerEvenement(destinataire, evenement,
                               [&] { return QApplication::notify(destinataire, evenement); });
    }
};
}  // namespace

int main(int argc, char** argv)
{
    // Listing the tests at build time happens without any display.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ApplicationTests app(argc, argv);
    // The windows under test have the type the program gives itself.
    appliquerPoliceApplication();
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
