#pragma once
// Test doubles of the platform layer: they record what the program asked and
// answer from scripts the test sets up.
#include "platform/ClientWeb.h"
#include "platform/Dialogues.h"
#include "platform/Disque.h"
#include "platform/Dossiers.h"
#include "platform/Horloge.h"
#include "platform/InstanceUnique.h"
#include "platform/Lecteurs.h"
#include "platform/PageReglages.h"
#include "platform/Plateforme.h"
#include "platform/ServeurDiffere.h"
#include "platform/Shell.h"
#include "platform/Systeme.h"
#include "platform/VueIntegree.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QMap>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <system_error>
#include <utility>
#include <vector>

struct Message {
    enum Genre { Exclamation, Information, Question, Simple } genre;
    QString texte;
    bool operator==(const Message&) const = default;
};

class FauxDialogues : public Dialogues {
public:
    std::vector<Message> messages;
    std::deque<bool> reponses;        // answers to questions, in order; No when empty
    std::deque<QString> fichiers;     // answers to the file dialog; "" when empty
    QStringList titresFichier;
    std::deque<QString> dossiers;     // answers to the folder dialog; "" when empty
    QStringList titresDossier;
    // Runs while a question is open, as a timer would before the user answers.
    std::function<void()> pendantQuestion;
    // Runs while any box is open (questions included), as timers would before it is closed;
    // not again inside a box it opens itself.
    std::function<void()> pendantBoite;
    int ouvertes = 0;  // boxes open right now (held questions included)
    // What waits for no box to be open is held until liberer(), as the real loop would run it
    // only after the caller (start-up, a tick) is over.
    bool differer = false;
    // Questions stay open until repondre(): the user answers later, when the test says.
    bool retenir = false;
    // What went to the standard error output once abandonner() was called.
    QStringList erreurStandard;
    bool abandonne = false;

    void exclamation(const QString& t) override { boite({Message::Exclamation, t}); }
    void information(const QString& t) override { boite({Message::Information, t}); }
    void question(const QString& t, Suite<bool> reponse) override
    {
        if (abandonne) {
            erreurStandard << t;
            return;
        }
        if (retenir) {
            messages.push_back({Message::Question, t});
            ++ouvertes;
            retenues_.push_back(std::move(reponse));
            return;
        }
        boite({Message::Question, t}, pendantQuestion);
        bool r = false;
        if (!reponses.empty()) {
            r = reponses.front();
            reponses.pop_front();
        }
        reponse(r);
    }
    // Questions held (see `retenir`) and not answered yet.
    int retenues() const { return static_cast<int>(retenues_.size()); }
    // Answers the oldest held question. False when none is open.
    bool repondre(bool oui)
    {
        if (retenues_.empty())
            return false;
        Suite<bool> r = std::move(retenues_.front());
        retenues_.pop_front();
        r(oui);
        fermer();
        return true;
    }
    void choisirFichier(const QString& titre, const QString&, const QString&, Suite<QString> choix) override
    {
        titresFichier << titre;
        QString f;
        if (!fichiers.empty()) {
            f = fichiers.front();
            fichiers.pop_front();
        }
        choix(f);
    }
    void message(const QString& t) override { boite({Message::Simple, t}); }
    void choisirDossier(const QString& titre, const QString&, Suite<QString> choix) override
    {
        titresDossier << titre;
        QString d;
        if (!dossiers.empty()) {
            d = dossiers.front();
            dossiers.pop_front();
        }
        choix(d);
    }
    // At once when no box is open, else when the last one closes.
    void quandLibre(std::function<void()> suite) override
    {
        if (ouvertes == 0 && !differer)
            suite();
        else
            apresBoites_.push_back(std::move(suite));
    }
    void abandonner() override
    {
        abandonne = true;
        ouvertes -= static_cast<int>(retenues_.size());
        retenues_.clear();
        if (ouvertes == 0 && !differer)
            liberer();
    }
    // Runs what was held (see `differer`).
    void liberer()
    {
        differer = false;
        auto suites = std::move(apresBoites_);
        apresBoites_.clear();
        for (auto& f : suites)
            f();
    }
    QStringList textes() const
    {
        QStringList l;
        for (const auto& m : messages)
            l << m.texte;
        return l;
    }

private:
    void boite(const Message& m, const std::function<void()>& pendant = {})
    {
        if (abandonne) {
            erreurStandard << m.texte;
            return;
        }
        messages.push_back(m);
        ++ouvertes;
        if (pendant)
            pendant();
        if (pendantBoite && !dansBoite_) {
            dansBoite_ = true;
            pendantBoite();
            dansBoite_ = false;
        }
        fermer();
    }
    void fermer()
    {
        if (--ouvertes == 0 && !differer) {
            auto suites = std::move(apresBoites_);
            apresBoites_.clear();
            for (auto& f : suites)
                f();
        }
    }
    bool dansBoite_ = false;
    std::vector<std::function<void()>> apresBoites_;
    std::deque<Suite<bool>> retenues_;
};

class FauxClientWeb : public ClientWeb {
public:
    QMap<QString, QByteArray> pages;  // address -> body; absent = failure
    QStringList demandes;
    QList<int> delais;  // the wait asked with each request, 0 = the client's own
    // Replies held until the test gives them (repondre), as a slow site would.
    bool differer = false;
    std::deque<std::pair<QString, Suite<QByteArray>>> enAttente;

    void telecharger(const QString& adresse, int delaiMs, Suite<QByteArray> reponse) override
    {
        demandes << adresse;
        delais << delaiMs;
        if (differer)
            enAttente.emplace_back(adresse, std::move(reponse));
        else
            reponse(pages.value(adresse));
    }
    // Answers the oldest request held with what `pages` holds for it. False when none waits.
    bool repondre()
    {
        if (enAttente.empty())
            return false;
        auto [adresse, reponse] = std::move(enAttente.front());
        enAttente.pop_front();
        reponse(pages.value(adresse));
        return true;
    }
};

// Folders inside one temporary directory.
class FauxDossiers : public Dossiers {
public:
    QTemporaryDir racine;
    QString programmeChemin, documentsChemin, demarrageChemin;
    QMap<QString, QString> path;  // executable name -> full path
    FauxDossiers();
    QString programme() override { return programmeChemin; }
    QString documents() override { return documentsChemin; }
    QString demarrage() override { return demarrageChemin; }
    QString chercherDansPath(const QString& nom) override { return path.value(nom); }
};

class FauxShell : public Shell {
public:
    QStringList ouverts;
    bool associe = true;  // the desktop has a program for what is opened
    bool ouvrir(const QString& a) override
    {
        ouverts << a;
        return associe;
    }
};

// By default a step runs at once, inside the call that asks for it, the clock moved on by
// its wait; with `immediat` off, steps wait until the test moves the clock with avancer().
// The wall time and the elapsed reading move together with the steps and avancer(); each
// can also be set on its own (a change of hour moves the wall time alone).
class FausseHorloge : public Horloge {
public:
    QDateTime maintenantValeur{QDate(2026, 12, 9), QTime(20, 0)};
    qint64 ecouleValeur = 1000000;
    int attenteTotaleMs = 0;
    bool immediat = true;
    // Runs during the first wait, as pending events would.
    std::function<void()> pendantAttente;
    QDateTime maintenant() override { return maintenantValeur; }
    qint64 ecouleMs() override { return ecouleValeur; }
    void apres(int ms, Suite<> etape) override
    {
        if (!immediat) {
            etapes_.push_back({ecouleValeur + std::max(ms, 0), numero_++, std::move(etape)});
            return;
        }
        attenteTotaleMs += ms;
        passer(ms);
        if (pendantAttente) {
            auto f = pendantAttente;
            pendantAttente = nullptr;  // once: a tick inside it may wait too
            f();
        }
        etape();
    }
    // Moves the clock on by ms, running the steps that fall due on the way, in order.
    void avancer(qint64 ms)
    {
        const qint64 fin = ecouleValeur + ms;
        for (;;) {
            auto prochaine = std::min_element(etapes_.begin(), etapes_.end(), [](const Etape& a, const Etape& b) {
                return a.echeance < b.echeance || (a.echeance == b.echeance && a.numero < b.numero);
            });
            if (prochaine == etapes_.end() || prochaine->echeance > fin)
                break;
            Etape e = std::move(*prochaine);
            etapes_.erase(prochaine);
            if (e.echeance > ecouleValeur)
                passer(e.echeance - ecouleValeur);
            e.etape();
        }
        passer(fin - ecouleValeur);
    }
    std::size_t etapesEnAttente() const { return etapes_.size(); }

private:
    // Both readings move on by ms.
    void passer(qint64 ms)
    {
        maintenantValeur = maintenantValeur.addMSecs(ms);
        ecouleValeur += ms;
    }
    struct Etape {
        qint64 echeance;  // on the elapsed reading: a wait does not follow the wall time
        quint64 numero;
        Suite<> etape;
    };
    std::vector<Etape> etapes_;
    quint64 numero_ = 0;
};

class FausseInstance : public InstanceUnique {
public:
    bool seule = true;
    // What the lock gives when `seule` is false.
    Resultat echec = Resultat::DejaLancee;
    QString chemin = QStringLiteral("/home/u/.local/share/Kelmor/Kelmor.lock");
    QString machine;  // the lock's computer, with VerrouAutreMachine
    Resultat verrouiller() override { return seule ? Resultat::Seule : echec; }
    QString cheminVerrou() const override { return chemin; }
    QString machineDuVerrou() const override { return machine; }
};

class FauxDisque : public Disque {
public:
    std::int64_t libre = 50LL * 1024 * 1024 * 1024;
    std::map<QString, std::int64_t> tailles;
    std::int64_t total = 500LL * 1024 * 1024 * 1024;
    std::int64_t espaceLibre(const QString&) override { return libre; }
    std::int64_t espaceTotal(const QString&) override { return total; }
    std::int64_t tailleFichier(const QString& c) override
    {
        auto it = tailles.find(c);
        return it == tailles.end() ? -1 : it->second;
    }
    // Every deletion asked, in order. The tests' files live in temporary folders that the
    // engine lists itself: a file is deleted for real unless its path is among `refuses`.
    QList<QByteArray> supprimes;
    QSet<QByteArray> refuses;
    bool supprimer(const QByteArray& chemin) override
    {
        supprimes << chemin;
        if (refuses.contains(chemin))
            return false;
        std::error_code e;
        std::filesystem::remove(chemin.toStdString(), e);
        return !std::filesystem::exists(chemin.toStdString(), e);
    }
};

class FauxSysteme : public Systeme {
public:
    QStringList arrets;
    int annulations = 0;
    std::vector<std::pair<QString, QStringList>> programmes;
    // What the system answers to the shutdown and to its cancellation.
    bool arretAccepte = true;
    bool annulationAcceptee = true;
    // Answers held until the test gives them (repondre), as the real command's end would.
    bool differer = false;
    std::deque<std::pair<Suite<bool>, bool>> enAttente;

    void programmerArret(const QString& avis, Suite<bool> fait) override
    {
        arrets << avis;
        dire(std::move(fait), arretAccepte);
    }
    void annulerArret(Suite<bool> fait) override
    {
        ++annulations;
        dire(std::move(fait), annulationAcceptee);
    }
    // Gives the oldest answer held. False when none waits.
    bool repondre()
    {
        if (enAttente.empty())
            return false;
        auto [fait, reussi] = std::move(enAttente.front());
        enAttente.pop_front();
        fait(reussi);
        return true;
    }
    bool lancerProgramme(const QString& p, const QStringList& a) override
    {
        programmes.emplace_back(p, a);
        return true;
    }

private:
    void dire(Suite<bool> fait, bool reussi)
    {
        if (differer)
            enAttente.emplace_back(std::move(fait), reussi);
        else
            fait(reussi);
    }
};

struct LancementLecteur {
    RoleLecteur role;
    QString programme;
    QStringList arguments;
};

class FauxLecteurs : public Lecteurs {
public:
    std::vector<LancementLecteur> lancements;
    std::vector<std::pair<RoleLecteur, QString>> touches;
    std::vector<RoleLecteur> fermes;
    std::map<RoleLecteur, bool> actifs;
    int fermeturesTotales = 0;
    int fermeturesRestes = 0;
    bool echecDemarrage = false;
    // The players hang: keystrokes are never taken (as after the real time-out).
    bool sourds = false;
    // Closes are reported only when the test says so (signalerFermetures).
    bool fermeturesDifferees = false;
    std::vector<Suite<>> fermeturesEnAttente;

    bool demarrer(RoleLecteur r, const QString& p, const QStringList& a) override
    {
        lancements.push_back({r, p, a});
        if (echecDemarrage)
            return false;
        actifs[r] = true;
        return true;
    }
    bool enCours(RoleLecteur r) override { return actifs[r]; }
    bool aucunEnCours() override
    {
        for (auto& [r, a] : actifs)
            if (a)
                return false;
        return true;
    }
    void envoyerTouche(RoleLecteur r, const QString& action, Suite<bool> recu) override
    {
        if (!actifs[r] || sourds) {
            recu(false);
            return;
        }
        touches.emplace_back(r, action);
        recu(true);
    }
    void fermer(RoleLecteur r, Suite<> fin) override
    {
        fermes.push_back(r);
        actifs[r] = false;
        signaler(std::move(fin));
    }
    void fermerTous(Suite<> fin) override
    {
        ++fermeturesTotales;
        actifs.clear();
        signaler(std::move(fin));
    }
    void fermerRestes() override { ++fermeturesRestes; }
    // Reports every close held so far.
    void signalerFermetures()
    {
        auto fins = std::move(fermeturesEnAttente);
        fermeturesEnAttente.clear();
        for (auto& f : fins)
            f();
    }

private:
    void signaler(Suite<> fin)
    {
        if (fermeturesDifferees)
            fermeturesEnAttente.push_back(std::move(fin));
        else
            fin();
    }
};

class FaussePageReglages : public PageReglages {
public:
    bool actif = false;
    QString dossier;
    bool demarrer(const QString& d) override
    {
        dossier = d;
        actif = true;
        return true;
    }
    void arreter() override { actif = false; }
    bool enService() const override { return actif; }
};

class FauxServeurDiffere : public ServeurDiffere {
public:
    QString adresse = "http://127.0.0.1:9/0123456789abcdef0123456789abcdef/TimeShift.mpg";
    bool echec = false;    // servir() answers "" (the port cannot be taken)
    QString fichier;       // what is served, "" when stopped
    QStringList servis;    // every file asked for, in order
    int arrets = 0;

    QString servir(const QString& f) override
    {
        servis << f;
        if (echec)
            return {};
        fichier = f;
        return adresse;
    }
    void arreter() override
    {
        ++arrets;
        fichier.clear();
    }
    bool enService() const override { return !fichier.isEmpty(); }
};

// Records every call to the embedded view, in order, as short texts ("arreter", "vider",
// "jouer <address>", "volume <n>", "muet <0|1>", "place <x>,<y>", "taille <w>x<h>",
// "instantane"), and the last item's options. A snapshot is given a name of its own in
// the item's snapshot folder; the file appears only when the test writes it (or through
// pendantInstantane).
class FausseVueIntegree : public VueIntegree {
public:
    QStringList appels;
    QStringList options;     // of the last item played
    QStringList instantanes; // paths handed out, in order
    std::vector<Suite<bool>> ecritures;  // told for each snapshot handed out, by the test
    QObject* hote = nullptr;
    int volume = 100;
    bool muet = false;
    bool joue = false;
    std::function<void(const QString&)> pendantInstantane;
    // As libVLC 3 itself does: while nothing plays there is no audio output, and a volume or
    // a mute set then is lost (the next item plays at the sound last taken).
    bool refuserSonHorsLecture = false;
    // The level the item playing is heard at, each time an item starts: 0 for silence.
    std::vector<int> entendus;
    int entendu() const
    {
        if (!joue || muet || options.contains(QStringLiteral(":no-audio")))
            return 0;
        return volume;
    }

    void placerDans(QObject* h) override { hote = h; }
    void arreter() override
    {
        appels << QStringLiteral("arreter");
        joue = false;
    }
    void viderListe() override { appels << QStringLiteral("vider"); }
    void ajouterEtJouer(const QString& adresse, const QStringList& o) override
    {
        appels << QStringLiteral("jouer ") + adresse;
        options = o;
        joue = true;
        entendus.push_back(entendu());
    }
    void definirVolume(int v) override
    {
        appels << QStringLiteral("volume %1").arg(v);
        if (!refuserSonHorsLecture || joue)
            volume = v;
    }
    void definirMuet(bool m) override
    {
        appels << QStringLiteral("muet %1").arg(m ? 1 : 0);
        if (!refuserSonHorsLecture || joue)
            muet = m;
    }
    void placerConteneur(int x, int y) override { appels << QStringLiteral("place %1,%2").arg(x).arg(y); }
    void dimensionnerConteneur(int l, int h) override
    {
        appels << QStringLiteral("taille %1x%2").arg(l).arg(h);
    }
    QString prendreInstantane(Suite<bool> ecrit) override
    {
        appels << QStringLiteral("instantane");
        QString dossier;
        for (const QString& o : options)
            if (o.startsWith(QStringLiteral(":snapshot-path=")))
                dossier = o.mid(15);
        if (!joue || dossier.isEmpty())
            return {};
        const QString chemin = QDir(dossier).filePath(
            QStringLiteral("vlcsnap-%1.jpg").arg(instantanes.size() + 1));
        instantanes << chemin;
        ecritures.push_back(std::move(ecrit));
        if (pendantInstantane)
            pendantInstantane(chemin);
        return chemin;
    }
    // Calls whose text begins with that prefix.
    QStringList appelsCommencantPar(const QString& prefixe) const
    {
        QStringList l;
        for (const QString& a : appels)
            if (a.startsWith(prefixe))
                l << a;
        return l;
    }
};

// Every platform double, and the platform made of them.
struct PlateformeDoubles {
    FauxDialogues dialogues;
    FauxClientWeb web;
    FauxDossiers dossiers;
    FauxShell shell;
    FausseHorloge horloge;
    FausseInstance instance;
    FauxDisque disque;
    FauxSysteme systeme;
    FauxLecteurs lecteurs;
    FaussePageReglages pageReglages;
    FauxServeurDiffere serveurDiffere;
    FausseVueIntegree vue;
    Adresses adresses;
    Plateforme plateforme{dialogues, web,           dossiers,       shell, horloge,  instance, disque,
                          systeme,   lecteurs,      pageReglages,   serveurDiffere, vue,     adresses};
};
