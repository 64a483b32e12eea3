#include "support/Attente.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

bool attendreQue(const std::function<bool()>& condition, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() >= ms)
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    return true;
}
