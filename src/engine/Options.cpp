#include "engine/Options.h"

#include "core/ReglesOptions.h"
#include "core/VerificationListe.h"
#include "core/VerificationVersion.h"
#include "engine/CommandesLecteur.h"
#include "engine/EtatFenetre.h"
#include "engine/Sauvegarde.h"
#include "engine/Session.h"
#include "platform/Plateforme.h"

#include <QDir>

const QString kAvertissementDossier = QStringLiteral(
    "La modification du répertoire de sauvegarde des enregistrements\n"
    "sera prise en compte au prochaine lancement d'Kelmor.");

const QString kAvertissementTri = QStringLiteral(
    "La modification de l'ordre de tri des chaînes sera\n"
    "prise en compte au prochain lancement d'Kelmor.");

const QString kAideFreePlayer = QStringLiteral(
    "En cochant cette option, vous afficherez vos émissions sur votre téléviseur via la Freebox "
    "grâce au FreePlayer intégré :\n"
    "1) allumez en premier lieu votre Freebox avec la télécommande et démarrez la lecture d'une "
    "émission avec Kelmor,\n"
    "2) appuyez 3 secondes sur la touche \"Maison\" en bas à droite de votre télécommande et "
    "sélectionnez FreePlayer.\n"
    "\n"
    "Si votre connexion ne supporte pas 2 flux vidéos simultanés, démarrez Kelmor sur la même chaîne "
    "que la Freebox au\n"
    "point 1 et ne changez de chaîne qu'après avoir effectué le point 2.");

const QString kAideClavier = QStringLiteral(
    "En cochant cette option, vous activerez les raccourcis clavier :\n"
    "\n"
    "> 2 chiffres consécutifs XY en moins de 2 secondes, pour lesquels\n"
    "    X est le groupe de favoris n° 0-9 et Y la chaîne favorite n° 1-8 :\n"
    "    regarder cette chaîne (Y = 0 pour annuler la séquence XY)\n"
    "\n"
    "> F1 / F2 et pavé \"-\" / \"+\" : chaîne précédente / suivante dans la liste\n"
    "> F3 / F4 : placer Kelmor en mode toujours au-dessus / plein écran \n"
    "> F5 : Play : regarder cette chaîne\n"
    "> F6 et pavé \",\" : Stop : arrêter la lecture\n"
    "> F7 : Pause : geler la lecture de cette chaîne\n"
    "> F8 : Rec : enregistrer cette chaîne\n"
    "> F9 : photographier l'image affichée\n"
    "> F10 / F11 / F12 : baisser / monter / muet\n"
    "> pavé \"/\" / \"*\" : passer au groupe de favoris précédent / suivant");

namespace {
// "/a/b/" and "/a/b" name the same folder.
QString sansSeparateur(QString dossier)
{
    while (dossier.size() > 1 && dossier.endsWith(u'/'))
        dossier.chop(1);
    return dossier;
}
}  // namespace

Options::Options(Session& session, Plateforme& plateforme, EtatFenetre& fenetre, Sauvegarde& sauvegarde)
    : session_(session), plateforme_(plateforme), fenetre_(fenetre), sauvegarde_(sauvegarde)
{
}

bool Options::estOuvert() const
{
    return fenetre_.optionsOuvertes();
}

void Options::Ouvrir(int onglet, int groupe, int emplacement)
{
    OuvertureOptions o;
    o.onglet = onglet;
    o.groupe = groupe;
    o.emplacement = emplacement;
    o.valeurs = session_.parametres;
    o.chaines = session_.chaines.noms();
    o.dossierProgramme = session_.DossierProgramme;
    o.site = plateforme_.adresses.racineSite();
    o.forum = plateforme_.adresses.racineForum();
    emit ouvertureDemandee(o);
    Options_Click();
}

void Options::Options_Click()
{
    fenetre_.definirOptionsOuvertes(true);
    dossierAvantOptions_ = session_.parametres.dossierEnregistrement;
    triAvantOptions_ = session_.parametres.p.SORT;
    autoAvantOptions_ = session_.parametres.p.AUTO;
}

void Options::garder(const ContenuParametres& valeurs)
{
    Parametres p = valeurs.p;
    // No program chosen: nothing to run.
    if (p.AUTP.isEmpty())
        p.AUTR = false;
    // MONO has no control: it keeps what the file said.
    p.MONO = session_.parametres.p.MONO;
    // The folder in use stays until the next start; only the stored one changes.
    session_.parametres.p = p;
    session_.parametres.dossierEnregistrement = valeurs.dossierEnregistrement;
}

bool Options::Retour_Click(const ContenuParametres& valeurs)
{
    const bool dossierChange = sansSeparateur(valeurs.dossierEnregistrement) != sansSeparateur(dossierAvantOptions_);
    const bool triChange = valeurs.p.SORT != triAvantOptions_;
    garder(valeurs);

    emit favorisRafraichis();
    if (!sauvegarde_.EcrireParametres())
        return false;

    auto& d = plateforme_.dialogues;
    if (dossierChange)
        d.information(kAvertissementDossier);
    if (triChange)
        d.information(kAvertissementTri);
    fenetre_.definirOptionsOuvertes(false);
    emit ferme();
    if (session_.parametres.p.AUTO != autoAvantOptions_) {
        autoAvantOptions_ = session_.parametres.p.AUTO;
        emit demarrageAutomatiqueChange();
    }
    return true;
}

void Options::Retour_Click()
{
    ContenuParametres valeurs = session_.parametres;
    emit valeursDemandees(valeurs);
    // Still open: it shows what was kept.
    if (!Retour_Click(valeurs))
        emit valeursAffichees(session_.parametres);
}

void Options::lireAvantFermeture()
{
    if (!estOuvert())
        return;
    ContenuParametres valeurs = session_.parametres;
    emit valeursDemandees(valeurs);
    garder(valeurs);
}

void Options::AutoSel_Click(const QString& actuel)
{
    plateforme_.dialogues.choisirFichier(
        QStringLiteral("Sélectionnez le programme à lancer automatiquement"), QDir::currentPath(),
        QStringLiteral("Programmes (*)"), Suite<QString>(this, [this, actuel](const QString& choisi) {
            emit programmeChoisi(choisi.isEmpty() ? actuel : choisi);
        }));
}

void Options::RECpath0_Click(const QString& actuel)
{
    plateforme_.dialogues.choisirDossier(
        QStringLiteral("Sélectionner le répertoire devant accueillir les fichiers enregistrés"), actuel,
        Suite<QString>(this, [this, actuel](const QString& choisi) {
            if (choisi.isEmpty())
                emit dossierChoisi(actuel);
            else
                emit dossierChoisi(choisi.endsWith(u'/') ? choisi : choisi + u'/');
        }));
}

void Options::FRPLtexte_Click()
{
    plateforme_.dialogues.message(kAideFreePlayer);
}

void Options::ClavierListe_Click()
{
    plateforme_.dialogues.message(kAideClavier);
}

void Options::Reinitialiser_Click()
{
    // Nothing is asked or reported: a missing player passes silently.
    plateforme_.lecteurs.demarrer(RoleLecteur::Reinitialisation, session_.parametres.cheminVLC,
                                  CommandeReinitialisation());
}

void Options::AllerSite_Click()
{
    plateforme_.shell.ouvrir(plateforme_.adresses.racineSite());
}

void Options::AllerFAQ_Click()
{
    plateforme_.shell.ouvrir(plateforme_.adresses.pageAide());
}

void Options::AllerForums_Click()
{
    plateforme_.shell.ouvrir(plateforme_.adresses.racineForum());
}

void Options::MAJcfg_Click()
{
    // The window takes no input from the request to the answer; the clock ticks meanwhile.
    emit connexionAffichee(true);
    VerifierListeChaines(false, session_.DossierProgramme, plateforme_.web, plateforme_.dialogues,
                         plateforme_.adresses, false, {}, Suite<>(this, [this] { emit connexionAffichee(false); }));
}

void Options::MAJexe_Click()
{
    emit connexionAffichee(true);
    VerifierVersion(false, plateforme_.web, plateforme_.dialogues, plateforme_.shell, plateforme_.adresses, 0,
                    Suite<>(this, [this] { emit connexionAffichee(false); }));
}

void Options::ListeFav_Click(int groupe, int emplacement, const QString& chaine)
{
    if (groupe < 0 || groupe >= TableFavoris::NombreGroupes || emplacement < 1 || emplacement > 8)
        return;
    session_.parametres.favoris[groupe * TableFavoris::TailleGroupe + emplacement] = chaine;
}

bool Options::ModifierFav_Click(int groupe, const QString& nom)
{
    if (groupe < 0 || groupe >= TableFavoris::NombreGroupes || !NomGroupeValide(nom))
        return false;
    session_.parametres.favoris[groupe * TableFavoris::TailleGroupe] = nom;
    emit groupesRenommes();
    return true;
}

void Options::EffacerFav_Click(int groupe)
{
    if (!ModifierFav_Click(groupe, QString()))
        return;
    for (int i = 1; i <= 8; ++i)
        ListeFav_Click(groupe, i, QString());
}
