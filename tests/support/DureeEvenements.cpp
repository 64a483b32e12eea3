#include "support/DureeEvenements.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QThread>

namespace {
struct Mesure {
    bool active = false;
    int profondeur = 0;  // an event delivered while another is handled counts within it
    qint64 plusLongueMs = 0;
    QString plusLongue;
};
Mesure mesure;
}  // namespace

MesureEvenements::MesureEvenements()
{
    mesure = Mesure{};
    mesure.active = true;
}

MesureEvenements::~MesureEvenements()
{
    mesure.active = false;
}

qint64 MesureEvenements::plusLongueMs() const
{
    return mesure.plusLongueMs;
}

QString MesureEvenements::plusLongue() const
{
    return mesure.plusLongue;
}

bool livrerEvenement(QObject* destinataire, QEvent* evenement, const std::function<bool()>& livrer)
{
    // Only the window's thread is measured (and touches the measure).
    if (QThread::currentThread() != QCoreApplication::instance()->thread())
        return livrer();
    if (!mesure.active || mesure.profondeur > 0) {
        ++mesure.profondeur;
        const bool r = livrer();
        --mesure.profondeur;
        return r;
    }
    // Read before delivery: the receiver may be gone after it.
    const QString quoi = QStringLiteral("%1 (event %2)")
                             .arg(destinataire ? destinataire->metaObject()->className() : "?")
                             .arg(int(evenement->type()));
    QElapsedTimer chrono;
    chrono.start();
    ++mesure.profondeur;
    const bool r = livrer();
    --mesure.profondeur;
    const qint64 duree = chrono.elapsed();
    if (mesure.active && duree > mesure.plusLongueMs) {
        mesure.plusLongueMs = duree;
        mesure.plusLongue = quoi;
    }
    return r;
}
