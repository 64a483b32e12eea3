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
    void ouvrir(const QString& adresse) override;
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

class InstanceUniqueReelle : public InstanceUnique {
public:
    explicit InstanceUniqueReelle(const QString& dossier) : dossier_(dossier) {}
    Resultat verrouiller() override;

private:
    QString dossier_;
    std::unique_ptr<QLockFile> verrou_;
};

class DisqueReel : public Disque {
public:
    std::int64_t espaceLibre(const QString& dossier) override;
    std::int64_t espaceTotal(const QString& dossier) override;
    std::int64_t tailleFichier(const QString& chemin) override;
};

class SystemeReel : public Systeme {
public:
    void programmerArret(const QString& avis) override;
    void annulerArret() override;
    bool lancerProgramme(const QString& programme, const QStringList& arguments) override;
};
