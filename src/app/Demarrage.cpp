#include "app/Demarrage.h"

#include "app/Composition.h"
#include "core/FichierParametres.h"
#include "core/VerificationListe.h"
#include "core/VerificationVersion.h"
#include "engine/CommandesLecteur.h"
#include "platform/LectureBornee.h"
#include "platform/Plateforme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString kPageVlc = QStringLiteral("https://www.videolan.org/vlc/");

bool estExecutable(const QString& chemin)
{
    if (chemin.isEmpty())
        return false;
    const QFileInfo fi(chemin);
    return fi.isFile() && fi.isExecutable();
}
}  // namespace

bool contientOption(const QStringList& arguments, const QString& option)
{
    for (int i = 1; i < arguments.size(); ++i)
        if (arguments[i].toLower().contains(option))
            return true;
    return false;
}

Demarrage::Demarrage(Plateforme& plateforme, Composition& parties, EtatFenetre& fenetre,
                     std::function<void()> demarrerHorloge)
    : plateforme_(plateforme), c_(parties), fenetre_(fenetre), demarrerHorloge_(std::move(demarrerHorloge))
{
}

void Demarrage::Form_Load(const QStringList& arguments, std::function<void(std::optional<PresentationDemarrage>)> fin)
{
    auto& d = plateforme_.dialogues;
    Session& session = c_.session;
    arguments_ = arguments;
    fin_ = std::move(fin);
    session.DossierProgramme = plateforme_.dossiers.programme();

    switch (plateforme_.instance.verrouiller()) {
    case InstanceUnique::Resultat::Seule:
        break;
    case InstanceUnique::Resultat::DejaLancee:
        d.exclamation("Kelmor est déjà lancé.");
        terminer(std::nullopt);
        return;
    case InstanceUnique::Resultat::DossierInaccessible:
        d.exclamation("Kelmor ne peut pas écrire dans son dossier :\n" + session.DossierProgramme +
                      "\nVérifiez que ce dossier est accessible en écriture et que le disque n'est pas plein.");
        terminer(std::nullopt);
        return;
    case InstanceUnique::Resultat::VerrouPasUnFichier:
        d.exclamation("Kelmor ne peut pas vérifier s'il est déjà lancé :\n"
                      "le nom de son fichier de verrou est pris par un dossier\n"
                      "ou un autre élément qui n'est pas un fichier :\n" +
                      plateforme_.instance.cheminVerrou() +
                      "\n\nSupprimez ou renommez cet élément, puis relancez Kelmor.");
        terminer(std::nullopt);
        return;
    case InstanceUnique::Resultat::VerrouIllisible:
        d.exclamation("Le fichier de verrou de Kelmor est endommagé, sans doute par un arrêt brutal :\n" +
                      plateforme_.instance.cheminVerrou() +
                      "\n\nSi Kelmor n'est pas déjà lancé, supprimez ce fichier, puis relancez Kelmor.");
        terminer(std::nullopt);
        return;
    case InstanceUnique::Resultat::VerrouAutreMachine:
        d.exclamation("Kelmor semble déjà lancé sur l'ordinateur « " + plateforme_.instance.machineDuVerrou() +
                      " »\navec le même dossier.\n\n"
                      "S'il ne l'est pas (par exemple si cet ordinateur a été renommé\n"
                      "depuis), supprimez le fichier suivant, puis relancez Kelmor :\n" +
                      plateforme_.instance.cheminVerrou());
        terminer(std::nullopt);
        return;
    }

    if (contientOption(arguments, "/r")) {
        d.question(
            "La réinitialisation des paramètres d'Kelmor va entraîner la perte de vos\n"
            "favoris, de vos spécifications de codecs et de votre ligne de commande\n"
            "d'exécution automatique.\n\n"
            "Le répertoire de sauvegarde de vos enregistrements sera rétabli sur le\n"
            "dossier Mes documents (vos vidéos et photos ne seront pas effacées).\n\n"
            "Souhaitez-vous effectuer cette réinitialisation ?",
            Suite<bool>(&c_.moteur, [this, &d, &session](bool oui) {
                if (oui) {
                    if (QFileInfo::exists(session.cheminParametres()) && !QFile::remove(session.cheminParametres()))
                        d.exclamation("Les paramètres d'Kelmor n'ont pas pu être réinitialisés :\n"
                                      "le fichier " + session.cheminParametres() + " n'a pas pu être supprimé.");
                    else
                        d.information("Les paramètres d'Kelmor ont été réinitialisés.");
                } else {
                    d.information("Les paramètres d'Kelmor n'ont pas été réinitialisés.");
                }
                terminer(std::nullopt);
            }));
        return;
    }

    // Players left over by an earlier run of ours go, in the background; nothing else is
    // touched here.
    plateforme_.lecteurs.fermerRestes();

    // Only regular files of a bounded size are read: a FIFO would hold the start for ever, a
    // link to an endless source would fill the memory. Neither is overwritten by a save.
    const Lecture parametres = lireFichierBorne(session.cheminParametres(), texteParametres_);
    const Lecture liste = examinerFichier(session.cheminListeChaines());
    const bool illisible = parametres != Lecture::Lue && parametres != Lecture::Absent;
    if (illisible || (liste != Lecture::Lue && liste != Lecture::Absent)) {
        d.exclamation(messageLecture(illisible ? session.cheminParametres() : session.cheminListeChaines(),
                                     illisible ? parametres : liste) +
                      "\n\nSupprimez ou renommez ce fichier, puis relancez Kelmor.\n\n"
                      "Kelmor va maintenant s'arrêter.");
        terminer(std::nullopt);
        return;
    }
    fichierParametres_ = parametres == Lecture::Lue;
    if (fichierParametres_)
        c_.ecriture.fichierLu(texteParametres_);
    if (fichierParametres_) {
        ValeursPrecoces v{session.parametres.p.SORT, session.parametres.p.CFGA};
        v = LirePassePrecoce(texteParametres_, v);
        session.parametres.p.SORT = v.sort;
        session.parametres.p.CFGA = v.cfga;
    }

    if (session.parametres.p.CFGA)
        verifierPuis(&Demarrage::verifierListe);
    else
        verifierListe();
}

void Demarrage::terminer(std::optional<PresentationDemarrage> p)
{
    if (!fin_)
        return;
    if (p) {
        fin_(std::move(p));
        return;
    }
    // The program ends once what it said has been read.
    plateforme_.dialogues.quandLibre([this] {
        if (fin_)
            fin_(std::nullopt);
    });
}

void Demarrage::verifierListe()
{
    auto& d = plateforme_.dialogues;
    const Session& session = c_.session;
    // Read once: the channels found here are the ones loaded.
    liste_ = LireListeChainesPresente(session.DossierProgramme, session.parametres.p.SORT);
    if (liste_) {
        chargerSession();
        return;
    }
    d.question("La liste des chaînes est introuvable.\n\nSouhaitez-vous la télécharger ?",
               Suite<bool>(&c_.moteur, [this, &d](bool oui) {
                   if (oui) {
                       verifierPuis(&Demarrage::chargerSession);
                       return;
                   }
                   d.exclamation("La liste des chaînes est nécessaire à Kelmor.\n\nKelmor va maintenant s'arrêter.");
                   terminer(std::nullopt);
               }));
}

void Demarrage::verifierPuis(void (Demarrage::*ensuite)())
{
    VerifierListeChaines(true, c_.session.DossierProgramme, plateforme_.web, plateforme_.dialogues,
                         plateforme_.adresses, true,
                         Suite<IssueVerification>(&c_.moteur, [this, ensuite](IssueVerification issue) {
                             if (issue == IssueVerification::Arreter)
                                 terminer(std::nullopt);
                             else
                                 (this->*ensuite)();
                         }),
                         {}, ChainesUtilisees(texteParametres_));
}

void Demarrage::chargerSession()
{
    auto& d = plateforme_.dialogues;
    Session& session = c_.session;
    session.chaines = liste_ ? std::move(*liste_)
                             : LireFichierListeChaines(session.cheminListeChaines(), session.parametres.p.SORT);
    liste_.reset();
    c_.moteur.afficherChaines();

    // Defaults (they leave SORT and CFGA as the early pass set them), then the settings
    // file with its schedule.
    AppliquerDefauts(session.parametres, plateforme_.dossiers.documents());
    session.DossierEnregistrement = session.parametres.dossierEnregistrement;
    if (fichierParametres_) {
        LirePassePrincipale(texteParametres_, session.parametres, session.chaines.noms(),
                            [](const QString& dossier) { return QFileInfo(dossier).isDir(); }, d);
        session.DossierEnregistrement = session.parametres.dossierEnregistrement;
    }
    texteParametres_.clear();
    c_.programmation.Recharger(session.parametres.programmes);

    // Last channel: the remembered one (last exact match) or the first.
    int index = -1;
    if (session.parametres.p.CHA0) {
        for (int i = 0; i < session.chaines.taille(); ++i)
            if (session.chaines.at(i).nom == session.parametres.chaine)
                index = i;
    } else if (!session.chaines.estVide()) {
        index = 0;
    }
    c_.moteur.Chaines_Click(index);

    if (!session.DossierEnregistrement.endsWith('/'))
        session.DossierEnregistrement += '/';

    chercherLecteur();
}

void Demarrage::finirDemarrage()
{
    auto& d = plateforme_.dialogues;
    Session& session = c_.session;
    // The clock starts as soon as it has what a recording needs (the schedule, the channels,
    // the player and its options): no question or message of the rest of start-up holds it.
    session.OptionsVLC = ::OptionsVLC(session.DossierEnregistrement, session.parametres.p.ZOOM);
    c_.moteur.ChangerEtat(EtatLecteur::Arret);
    demarrerHorloge_();

    AppliquerMigrations(session.parametres, d);

    // Its answer comes later: a newer version is offered then, once no box is open.
    if (session.parametres.p.EXEA)
        VerifierVersion(true, plateforme_.web, d, plateforme_.shell, plateforme_.adresses, kDelaiVerificationMs);

    // The favourites: the group names, then group 0 on the buttons.
    c_.favoris.afficherGroupes();
    c_.favoris.selectionnerGroupe(0);
    const Parametres& p = session.parametres.p;
    if (p.FAVI)
        fenetre_.definirFavorisDevant(true);
    // The options pane itself (its first tab, the window's size from it, its zoom label and
    // the frames of its check boxes) is built from the settings when it is first opened, so
    // that start-up does not pay for it.
    PresentationDemarrage presentation;
    presentation.dossierProgramme = session.DossierProgramme;
    presentation.texture = p.FOND;
    presentation.forme = optionsForme(p);
    presentation.telecommande = p.MINI;
    presentation.positionSauvee = p.POS0;
    presentation.position = {session.parametres.pos1, session.parametres.pos2};
    presentation.minimise = contientOption(arguments_, "/m");
    presentation.fondu = p.TRAN;
    terminer(presentation);
}

void Demarrage::chercherLecteur()
{
    auto& d = plateforme_.dialogues;
    const Session& session = c_.session;
    QString& chemin = c_.session.parametres.cheminVLC;
    if (!estExecutable(chemin))
        chemin = session.DossierProgramme + "vlc";
    if (!estExecutable(chemin)) {
        const QString trouve = plateforme_.dossiers.chercherDansPath("vlc");
        if (!trouve.isEmpty())
            chemin = trouve;
    }
    if (estExecutable(chemin)) {
        finirDemarrage();
        return;
    }
    d.question("Le fichier vlc est introuvable.\n\nSouhaitez-vous indiquer son emplacement ?",
               Suite<bool>(&c_.moteur, [this, &d](bool oui) {
                   if (!oui) {
                       proposerTelechargement();
                       return;
                   }
                   d.choisirFichier("Sélectionnez le fichier VLC (vlc)", QDir::currentPath(), "VLC (vlc)",
                                    Suite<QString>(&c_.moteur, [this](const QString& choisi) {
                                        if (choisi.endsWith("vlc"))
                                            c_.session.parametres.cheminVLC = choisi;
                                        if (estExecutable(c_.session.parametres.cheminVLC))
                                            finirDemarrage();
                                        else
                                            proposerTelechargement();
                                    }));
               }));
}

void Demarrage::proposerTelechargement()
{
    auto& d = plateforme_.dialogues;
    d.question("Le fichier vlc est introuvable.\n\nSouhaitez-vous télécharger VLC ?",
               Suite<bool>(&c_.moteur, [this, &d](bool oui) {
                   if (oui)
                       plateforme_.shell.ouvrir(kPageVlc);
                   d.exclamation("VLC est nécessaire pour accéder au flux TV de Free.\n"
                                 "Installez-le avant de relancer Kelmor.\n\n"
                                 "Kelmor va maintenant s'arrêter.");
                   terminer(std::nullopt);
               }));
}
