#include "engine/Moteur.h"

#include "engine/CommandesLecteur.h"
#include "engine/FichiersReglages.h"
#include "engine/Session.h"
#include "platform/Plateforme.h"

#include <QFile>
#include <QFileInfo>

const QString Moteur::kRefusProgramme =
    "Un enregistrement programmé est actuellement en cours.\n"
    "Ouvrez le volet de programmation pour le supprimer.";

namespace {
const QString kQuestionQuitterDiffere =
    "En quittant le mode time shifting, vous allez\nperdre la période entre le différé et le direct.\n\n"
    "Souhaitez-vous poursuivre ?";

// The delays of the player's window: before the keys go and after, and after the players
// closed before the state says stopped.
constexpr int kAvantTouchesMs = 200;
constexpr int kApresTouchesMs = 200;
constexpr int kApresFermetureMs = 1000;
constexpr int kAvantSuppressionDiffereMs = 1000;
}  // namespace

Moteur::Moteur(Session& session, Plateforme& plateforme) : session_(session), plateforme_(plateforme) {}

Moteur::Operation::Operation(Moteur& m, bool desactive) : moteur_(&m), desactive_(desactive)
{
    ++m.operations_;
    if (desactive_ && ++m.desactivations_ == 1)
        emit m.activationDemandee(false);
}

Moteur::Operation::~Operation()
{
    Moteur* m = moteur_.data();
    if (!m)
        return;
    if (desactive_ && --m->desactivations_ == 0)
        emit m->activationDemandee(true);
    if (--m->operations_ == 0)
        m->finOperations();
}

void Moteur::finOperations()
{
    // What was held runs one at a time: one that starts a sequence holds the rest again.
    while (operations_ == 0 && !horsSequence_.empty()) {
        auto f = std::move(horsSequence_.front());
        horsSequence_.pop_front();
        f();
    }
    if (operations_ == 0)
        emit operationsTerminees();
}

void Moteur::horsSequence(std::function<void()> f)
{
    if (operations_ > 0 || !horsSequence_.empty()) {
        horsSequence_.push_back(std::move(f));
        return;
    }
    f();
}

void Moteur::demander(const QString& texte, std::function<void(bool)> reponse)
{
    plateforme_.dialogues.question(texte, Suite<bool>(this, [this, reponse = std::move(reponse)](bool oui) {
        horsSequence([reponse, oui] { reponse(oui); });
    }));
}

bool Moteur::programmeEnCours() const
{
    return enProgramme(session_.Etat) || demarragesProgramme_ > 0;
}

void Moteur::apres(int ms, const Sequence& sequence, std::function<void()> etape)
{
    plateforme_.horloge.apres(ms, Suite<>(this, [sequence, etape = std::move(etape)] { etape(); }));
}

void Moteur::signaler(const QString& texte)
{
    Dialogues& d = plateforme_.dialogues;
    d.quandLibre([&d, texte] { d.exclamation(texte); });
}

void Moteur::informer(const QString& texte)
{
    Dialogues& d = plateforme_.dialogues;
    d.quandLibre([&d, texte] { d.information(texte); });
}

void Moteur::ChangerEtat(EtatLecteur nouvelEtat)
{
    Session& s = session_;
    s.Etat = nouvelEtat;
    s.ChaineEnCours = ChaineEnCoursPour(s.Etat, s.ChaineEnCours, s.nomChaineSelectionnee());
    ActualiserTitre();
    if (s.Etat == EtatLecteur::Arret) {
        s.FinEnregistrement.reset();
        if (s.Muet) {
            s.Muet = false;
            afficherBascules();
        }
    }
    emit etatChange(CalculerVueEtat(s.Etat, s.ChaineEnCours));
}

void Moteur::ActualiserTitre()
{
    emit titreChange(TitreFenetre(plateforme_.horloge.maintenant().time(), session_.Etat, session_.ChaineEnCours));
}

void Moteur::Chaines_Click(int index)
{
    if (index < -1 || index >= session_.chaines.taille())
        index = -1;
    session_.chaineSelectionnee = index;
    session_.editeur.chaine = session_.nomChaineSelectionnee();
    emit chaineSelectionnee(index);
}

void Moteur::afficherChaines()
{
    emit chainesChangees(session_.chaines.noms());
}

void Moteur::afficherBascules()
{
    emit basculesChangees(session_.TV, session_.Muet);
}

RoleLecteur Moteur::roleVisible() const
{
    if (enDiffere(session_.Etat))
        return RoleLecteur::DiffereLecteur;
    if (session_.Etat == EtatLecteur::Enregistrement)
        return RoleLecteur::Enregistreur;
    if (plateforme_.lecteurs.enCours(RoleLecteur::Regarder))
        return RoleLecteur::Regarder;
    return RoleLecteur::Fichier;
}

bool Moteur::lancer(RoleLecteur role, const QStringList& arguments, QString* erreur)
{
    QString message;
    const bool enregistreur = role == RoleLecteur::Enregistreur || role == RoleLecteur::DiffereEnregistreur;
    if (arguments.isEmpty() && enregistreur)
        message = RefusDossierEnregistrement(session_.DossierEnregistrement);
    if (arguments.isEmpty() && message.isEmpty())
        message = "L'adresse de cette chaîne ou un réglage du lecteur n'est pas valide.\n"
                  "Le lecteur vlc n'a pas été lancé.";
    else if (!arguments.isEmpty() && !plateforme_.lecteurs.demarrer(role, session_.parametres.cheminVLC, arguments))
        message = "Le lecteur vlc n'a pas pu être lancé :\n" + session_.parametres.cheminVLC;
    if (message.isEmpty())
        return true;
    if (erreur)
        *erreur = message;
    else
        signaler(message);
    return false;
}

bool Moteur::preparerDiffusion()
{
    auto& p = plateforme_;
    if (!EcrirePageReglages(session_.DossierProgramme, p.adresses.lecteurBoitier, p.adresses.portReglages)) {
        signaler("La page de réglages pour la télévision n'a pas pu être écrite dans\n" + session_.DossierProgramme);
        return false;
    }
    if (!p.pageReglages.demarrer(session_.DossierProgramme))
        signaler("La page de réglages pour la télévision ne peut pas être servie :\nle port " +
                 QString::number(p.adresses.portReglages) + " est déjà utilisé.");
    return true;
}

bool Moteur::refuseSiProgramme()
{
    if (!programmeEnCours())
        return false;
    informer(kRefusProgramme);
    return true;
}

bool Moteur::StopAll_Click(bool sansQuestion, std::function<void()> ensuite)
{
    return arreter(sansQuestion, false, std::move(ensuite));
}

bool Moteur::arreter(bool sansQuestion, bool confirme, std::function<void()> ensuite)
{
    if (!sansQuestion && refuseSiProgramme())
        return false;
    if (enDiffere(session_.Etat) && !sansQuestion && !confirme) {
        // The clock may have run while the question was open: the state is looked at again.
        demander(kQuestionQuitterDiffere, [this, ensuite = std::move(ensuite)](bool oui) {
            if (oui)
                arreter(false, true, ensuite);
        });
        return false;
    }
    // A player of ours may run whatever the state says: Stop closes it too.
    if (session_.Etat == EtatLecteur::Arret && plateforme_.lecteurs.aucunEnCours()) {
        if (ensuite)
            ensuite();
        return true;
    }
    const Sequence s = sequence();
    FermerLecteurExterne([this, s, ensuite = std::move(ensuite)] {
        apres(kApresFermetureMs, s, [this, ensuite] {
            ChangerEtat(EtatLecteur::Arret);
            if (ensuite)
                ensuite();
        });
    });
    return true;
}

void Moteur::EnvoyerTouchesLecteur(const QString& action, std::function<void(bool)> envoyees)
{
    auto& lecteurs = plateforme_.lecteurs;
    const RoleLecteur role = roleVisible();
    if (!lecteurs.enCours(role)) {
        if (envoyees)
            envoyees(false);
        return;
    }
    const Sequence s = sequence();
    apres(kAvantTouchesMs, s, [this, s, role, action, envoyees = std::move(envoyees)] {
        plateforme_.lecteurs.envoyerTouche(role, action, Suite<bool>(this, [this, s, envoyees](bool recu) {
            if (envoyees)
                envoyees(recu);
            apres(kApresTouchesMs, s, [this] { reprendreFocus(); });
        }));
    });
}

void Moteur::reprendreFocusApres(int ms)
{
    plateforme_.horloge.apres(ms, Suite<>(this, [this] { reprendreFocus(); }));
}

void Moteur::supprimerFichier(const QString& chemin)
{
    if (QFileInfo::exists(chemin) && !QFile::remove(chemin))
        signaler("Le fichier temporaire suivant n'a pas pu être supprimé :\n" + chemin);
}

void Moteur::fermerPuis(std::initializer_list<RoleLecteur> roles, std::function<void()> ensuite)
{
    std::vector<RoleLecteur> aFermer;
    for (const RoleLecteur r : roles)
        if (plateforme_.lecteurs.enCours(r))
            aFermer.push_back(r);
    if (aFermer.empty()) {
        ensuite();
        return;
    }
    const Sequence s = sequence();
    auto restants = std::make_shared<std::size_t>(aFermer.size());
    for (const RoleLecteur r : aFermer)
        plateforme_.lecteurs.fermer(r, Suite<>(this, [s, restants, ensuite] {
            if (--*restants == 0)
                ensuite();
        }));
}

void Moteur::FermerLecteurExterne(std::function<void()> ensuite)
{
    const Sequence s = sequence();
    // Every player of ours goes, time-shift's two included, before any file is touched.
    plateforme_.lecteurs.fermerTous(Suite<>(this, [this, s, ensuite = std::move(ensuite)] {
        auto& p = plateforme_;
        p.serveurDiffere.arreter();
        auto fin = [this, s, ensuite] {
            plateforme_.pageReglages.arreter();
            supprimerFichier(session_.DossierProgramme + "settings.html");
            supprimerFichier(session_.DossierProgramme + "settings.gif");
            if (ensuite)
                ensuite();
        };
        const QString differe = fichierDiffere(session_.DossierEnregistrement);
        if (!session_.parametres.p.TIME && QFileInfo::exists(differe)) {
            apres(kAvantSuppressionDiffereMs, s, [this, differe, fin] {
                supprimerFichier(differe);
                fin();
            });
            return;
        }
        fin();
    }));
}
