#include "support/Attente.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <algorithm>

namespace {
// How often the condition is looked at when no event wakes the loop.
constexpr int kReveilMs = 5;

void tourner(const QDeadlineTimer& limite)
{
    QEventLoop boucle;
    QTimer reveil;
    reveil.setSingleShot(true);
    QObject::connect(&reveil, &QTimer::timeout, &boucle, &QEventLoop::quit);
    reveil.start(static_cast<int>(std::clamp<qint64>(limite.remainingTime(), 0, kReveilMs)));
    boucle.exec();
}
}  // namespace

bool attendreQue(const std::function<bool()>& condition, int ms)
{
    const QDeadlineTimer limite(ms);
    while (!condition()) {
        if (limite.hasExpired())
            return condition();
        tourner(limite);
    }
    return true;
}

void laisserTourner(int ms)
{
    const QDeadlineTimer limite(ms);
    while (!limite.hasExpired())
        tourner(limite);
}

bool attendreFin(QProcess& processus, int ms)
{
    return attendreQue([&] { return processus.state() == QProcess::NotRunning; }, ms);
}
