#pragma once
// How long the window's thread spends handling each event it delivers: "the window is never
// held" is measured on what the program does, not on gaps between timers, which a busy
// machine stretches.
#include <QString>

#include <functional>

class QEvent;
class QObject;

class MesureEvenements {
public:
    MesureEvenements();
    ~MesureEvenements();
    MesureEvenements(const MesureEvenements&) = delete;
    MesureEvenements& operator=(const MesureEvenements&) = delete;

    // The longest delivery of one event since the measure began, and what it was.
    qint64 plusLongueMs() const;
    QString plusLongue() const;
};

// The tests' application object delivers every event through this.
bool livrerEvenement(QObject* destinataire, QEvent* evenement, const std::function<bool()>& livrer);
