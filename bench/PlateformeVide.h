#pragma once
// Platform stand-ins for the benchmarks: every service answers at once and does nothing,
// so that what is measured is the program's own work.
#include "platform/Plateforme.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace banc {

class Dialogues0 : public Dialogues {
public:
    int messages = 0;
    void exclamation(const QString&) override { ++messages; }
    void information(const QString&) override { ++messages; }
    void question(const QString&, Suite<bool> reponse) override
    {
        ++messages;
        reponse(oui);
    }
    void choisirFichier(const QString&, const QString&, const QString&, Suite<QString> choix) override { choix({}); }
    void quandLibre(std::function<void()> suite) override { suite(); }
    void abandonner() override {}
    bool oui = false;  // the answer to every question
};

class ClientWeb0 : public ClientWeb {
public:
    void telecharger(const QString&, int, Suite<QByteArray> reponse) override { reponse({}); }
};

class Dossiers0 : public Dossiers {
public:
    explicit Dossiers0(const QString& racine) : racine_(racine + "/") {}
    QString programme() override { return racine_; }
    QString documents() override { return racine_; }
    QString demarrage() override { return {}; }
    QString chercherDansPath(const QString&) override { return {}; }

private:
    QString racine_;
};

class Shell0 : public Shell {
public:
    bool ouvrir(const QString&) override { return true; }
};

// A fixed time; the steps of a wait run at once.
class Horloge0 : public Horloge {
public:
    QDateTime maintenant() override { return QDateTime(QDate::currentDate(), QTime(20, 0)); }
    qint64 ecouleMs() override { return 0; }
    void apres(int, Suite<> etape) override { etape(); }
};

class Instance0 : public InstanceUnique {
public:
    Resultat verrouiller() override { return Resultat::Seule; }
    QString cheminVerrou() const override { return {}; }
};

class Disque0 : public Disque {
public:
    std::int64_t espaceLibre(const QString&) override { return 50LL << 30; }
    std::int64_t espaceTotal(const QString&) override { return 500LL << 30; }
    std::int64_t tailleFichier(const QString&) override { return -1; }
    bool supprimer(const QByteArray&) override { return true; }
};

class Systeme0 : public Systeme {
public:
    void programmerArret(const QString&, Suite<bool> fait) override { fait(true); }
    void annulerArret(Suite<bool> fait) override { fait(true); }
    bool lancerProgramme(const QString&, const QStringList&) override { return true; }
};

class ServeurDiffere0 : public ServeurDiffere {
public:
    QString servir(const QString&) override { return {}; }
    void arreter() override {}
    bool enService() const override { return false; }
};

class PageReglages0 : public PageReglages {
public:
    bool actif = false;
    bool demarrer(const QString&) override { return actif = true; }
    void arreter() override { actif = false; }
    bool enService() const override { return actif; }
};

// The embedded view is not used here.
class Vue0 : public VueIntegree {
public:
    void placerDans(QObject*) override {}
    void arreter() override {}
    void viderListe() override {}
    void ajouterEtJouer(const QString&, const QStringList&) override {}
    void definirVolume(int) override {}
    void definirMuet(bool) override {}
    void placerConteneur(int, int) override {}
    void dimensionnerConteneur(int, int) override {}
    QString prendreInstantane(Suite<bool>) override { return {}; }
};

// No player ever runs.
class Lecteurs0Vides : public Lecteurs {
public:
    bool demarrer(RoleLecteur, const QString&, const QStringList&) override { return true; }
    bool enCours(RoleLecteur) override { return false; }
    bool aucunEnCours() override { return true; }
    void envoyerTouche(RoleLecteur, const QString&, Suite<bool> recu) override { recu(false); }
    void fermer(RoleLecteur, Suite<> fin) override { fin(); }
    void fermerTous(Suite<> fin) override { fin(); }
    void fermerRestes() override {}
};

}  // namespace banc
