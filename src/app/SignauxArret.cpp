#include "app/SignauxArret.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int gSignalFd[2] = {-1, -1};

void surSignalSysteme(int)
{
    const char c = 1;
    [[maybe_unused]] auto n = ::write(gSignalFd[1], &c, 1);
}
}  // namespace

bool installerSignauxArret(QObject* contexte, std::function<void()> surSignal)
{
    if (gSignalFd[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gSignalFd) != 0)
        return false;
    auto* notif = new QSocketNotifier(gSignalFd[0], QSocketNotifier::Read, contexte);
    QObject::connect(notif, &QSocketNotifier::activated, contexte, [surSignal = std::move(surSignal)] {
        char c;
        [[maybe_unused]] auto n = ::read(gSignalFd[0], &c, 1);
        surSignal();
    });
    std::signal(SIGTERM, surSignalSysteme);
    std::signal(SIGINT, surSignalSysteme);
    std::signal(SIGHUP, surSignalSysteme);
    return true;
}

int descripteurSignauxArret(int bout)
{
    return bout == 0 || bout == 1 ? gSignalFd[bout] : -1;
}
