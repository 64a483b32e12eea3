#pragma once
#include "platform/Disque.h"
#include "platform/Dossiers.h"
#include "platform/Horloge.h"
#include "platform/InstanceUnique.h"
#include "platform/Shell.h"
#include "platform/Systeme.h"

#include <QLockFile>
#include <QObject>
#include <memory>

class DossiersReels : public Dossiers {
public:
    QString programme() override;
    QString documents() override;
    QString demarrage() override;
    QString chercherDansPath(const QString& nom) override;
};

class ShellReel : public Shell {
public:
    bool ouvrir(const QString& adresse) override;
};

// The steps are single-shot timers of the event loop; those still pending when the clock
// goes are dropped with it.
class HorlogeReelle : public Horloge {
public:
    QDateTime maintenant() override;
    qint64 ecouleMs() override;
    void apres(int ms, Suite<> etape) override;

private:
    QObject contexte_;
};

// "Kelmor.lock" of the data folder. A lock that stops the start is looked at to tell a copy
// that runs from what the user has to mend.
class InstanceUniqueReelle : public InstanceUnique {
public:
    // A copy that starts writes its lock at once: a lock that says nothing and is older than
    // this was left by a crash.
    static constexpr int kAgeVerrouMuetS = 10;

    explicit InstanceUniqueReelle(const QString& dossier) : dossier_(dossier) {}
    Resultat verrouiller() override;
    QString cheminVerrou() const override;
    QString machineDuVerrou() const override { return machine_; }

private:
    QString dossier_;
    QString machine_;
    std::unique_ptr<QLockFile> verrou_;
};

class DisqueReel : public Disque {
public:
    std::int64_t espaceLibre(const QString& dossier) override;
    std::int64_t espaceTotal(const QString& dossier) override;
    std::int64_t tailleFichier(const QString& chemin) override;
    bool supprimer(const QByteArray& chemin) override;
};

// The shutdown commands run as processes of the event loop: their exit status is told once
// they end, or failure at the bound (the process is then killed).
class SystemeReel : public Systeme {
public:
    static constexpr int kAttenteCommandeMs = 15000;

    // `commandeArret`: the shutdown program; "" finds "shutdown" in the PATH, then in the
    // system folders that a user's PATH often lacks.
    explicit SystemeReel(const QString& commandeArret = {}, int attenteMs = kAttenteCommandeMs);
    ~SystemeReel() override;

    void programmerArret(const QString& avis, Suite<bool> fait) override;
    void annulerArret(Suite<bool> fait) override;
    bool lancerProgramme(const QString& programme, const QStringList& arguments) override;

private:
    void executer(const QStringList& arguments, Suite<bool> fait);

    QString commandeArret_;
    int attenteMs_;
    std::unique_ptr<QObject> contexte_;
};
