#include "platform/reel/Recolteur.h"

#include <QCoreApplication>
#include <QThread>

#include <cerrno>
#include <sys/wait.h>

Recolteur& Recolteur::instance()
{
    static Recolteur r;
    return r;
}

void Recolteur::ajouter(pid_t pid)
{
    enfants_.push_back(pid);
    armer();
}

void Recolteur::recolter()
{
    std::erase_if(enfants_, [](pid_t pid) {
        int statut = 0;
        const pid_t r = ::waitpid(pid, &statut, WNOHANG);
        return r == pid || (r < 0 && errno == ECHILD);
    });
    if (enfants_.empty() && minuterie_)
        minuterie_->stop();
}

void Recolteur::armer()
{
    if (!minuterie_) {
        auto* app = QCoreApplication::instance();
        if (!app || QThread::currentThread() != app->thread())
            return;
        // Owned by the application object, so that it goes before the event loop does.
        minuterie_ = new QTimer(app);
        minuterie_->setInterval(kPeriode);
        QObject::connect(minuterie_, &QTimer::timeout, minuterie_, [this] { recolter(); });
    }
    if (!minuterie_->isActive())
        minuterie_->start();
}
