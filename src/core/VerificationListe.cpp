#include "core/VerificationListe.h"

#include "core/ListeChaines.h"
#include "platform/FichierAtomique.h"
#include "platform/LectureBornee.h"
#include "platform/Adresses.h"
#include "platform/ClientWeb.h"
#include "platform/Dialogues.h"

#include <QDir>
#include <QFile>

namespace {

const QString kFinProgramme = QStringLiteral("Kelmor va maintenant s'arrêter.");

QString messageEchecEcriture(const QString& dossierProgramme)
{
    return QStringLiteral("La liste des chaînes Free n'a pas pu être enregistrée.\n"
                          "Vérifiez que le dossier %1 est accessible en écriture.")
        .arg(QDir::toNativeSeparators(dossierProgramme));
}

// A playlist that names no channel (a box still starting serves "#EXTM3U" alone) is no list.
bool listeUtilisable(const QByteArray& texte)
{
    return texte.startsWith("#EXTM3U") && ContientUneChaine(texte);
}

// A download must also be whole: one cut in transit (a connection closed early, with no length
// announced) would lose the channels after the cut and leave the last address truncated. A
// stored file is not held to this: a list already in use is better than none.
bool telechargementUtilisable(const QByteArray& texte)
{
    return listeUtilisable(texte) && DerniereChaineEntiere(texte);
}

// The whole stored file; false when it is absent, not a regular file, too big, or cannot be
// read through.
bool lireStocke(const QString& chemin, QByteArray& texte)
{
    return lireFichierBorne(chemin, texte) == Lecture::Lue;
}

} // namespace

bool ListeChainesPresente(const QString& dossierProgramme)
{
    QByteArray texte;
    return lireStocke(dossierProgramme + kFichierListeChaines, texte) && listeUtilisable(texte);
}

std::optional<ListeChaines> LireListeChainesPresente(const QString& dossierProgramme, bool trier)
{
    QByteArray texte;
    if (!lireStocke(dossierProgramme + kFichierListeChaines, texte) || !texte.startsWith("#EXTM3U"))
        return std::nullopt;
    // The list's own parse finds a channel where ContientUneChaine would.
    ListeChaines liste = LireListeChaines(texte, trier);
    if (liste.estVide())
        return std::nullopt;
    return liste;
}

namespace {

// The channels in use that the stored list names and the download does not.
QStringList chainesPerdues(const QByteArray& stocke, const QByteArray& telecharge, const QStringList& utilisees)
{
    if (utilisees.isEmpty())
        return {};
    const QStringList avant = LireListeChaines(stocke, false).noms();
    const QStringList apres = LireListeChaines(telecharge, false).noms();
    QStringList perdues;
    for (const QString& nom : utilisees)
        if (avant.contains(nom) && !apres.contains(nom))
            perdues << nom;
    return perdues;
}

QString questionChainesPerdues(const QStringList& perdues)
{
    constexpr int kNomsMontres = 10;
    QStringList montres = perdues.mid(0, kNomsMontres);
    if (perdues.size() > kNomsMontres)
        montres << QStringLiteral("…");
    return QStringLiteral("Une nouvelle liste des chaînes Free existe, mais elle ne contient plus\n"
                          "ces chaînes utilisées par vos favoris ou vos programmations :\n\n")
           + montres.join(u'\n')
           + QStringLiteral("\n\nSouhaitez-vous tout de même la télécharger ?");
}

const QString kQuestionNouvelleListe = QStringLiteral("Une nouvelle liste des chaînes Free existe.\n"
                                                      "Souhaitez-vous la télécharger ?");

void dire(Dialogues& dialogues, const QString& texte, bool exclamation)
{
    dialogues.quandLibre([&dialogues, texte, exclamation] {
        if (exclamation)
            dialogues.exclamation(texte);
        else
            dialogues.information(texte);
    });
}

// Writes the newer list the user accepted (or that came silently).
IssueVerification mettreAJour(bool silencieux, const QString& dossierProgramme, Dialogues& dialogues,
                              const QByteArray& telecharge)
{
    if (!ecrireFichierAtomique(dossierProgramme + kFichierListeChaines, telecharge)) {
        // The old file is still whole: the program goes on with it.
        dire(dialogues, messageEchecEcriture(dossierProgramme), true);
        return IssueVerification::Continuer;
    }
    if (silencieux)
        dire(dialogues, QStringLiteral("La liste des chaînes Free a été mise à jour."), false);
    else
        dire(dialogues,
             QStringLiteral("La liste des chaînes Free a été mise à jour.\n"
                            "Redémarrez Kelmor pour en tenir compte."),
             false);
    return IssueVerification::Continuer;
}

// The outcome, or nothing when the user is first to be asked the question it sets.
std::optional<IssueVerification> comparer(bool silencieux, const QString& dossierProgramme, Dialogues& dialogues,
                                          bool depuisDemarrage, const QByteArray& stocke, bool fichierPresent,
                                          const QByteArray& telecharge, const QStringList& chainesUtilisees,
                                          QString& question)
{
    const QString chemin = dossierProgramme + kFichierListeChaines;
    const auto dire = [&dialogues](const QString& texte, bool exclamation) { ::dire(dialogues, texte, exclamation); };

    if (!telechargementUtilisable(telecharge)) {
        if (!fichierPresent && depuisDemarrage) {
            dialogues.exclamation(
                QStringLiteral("La liste des chaînes Free est absente et ne peut être récupérée\n"
                               "en ligne. Ré-installez Kelmor puis relancer le programme.\n\n")
                + kFinProgramme + QStringLiteral("\n\n"));
            return IssueVerification::Arreter;
        }
        // From the button the program keeps running, with or without a stored list.
        if (!silencieux)
            dire(QStringLiteral("Problème d'accès à la liste des chaînes Free.\n"
                                "Les chaînes n'ont pas pu être vérifiées."),
                 false);
        return IssueVerification::Continuer;
    }

    if (!fichierPresent) {
        if (ecrireFichierAtomique(chemin, telecharge))
            return IssueVerification::Continuer;
        // Start-up would go on with no channel at all: it stops, as when the list is refused.
        if (depuisDemarrage) {
            dialogues.exclamation(messageEchecEcriture(dossierProgramme) + QStringLiteral("\n\n")
                                  + kFinProgramme);
            return IssueVerification::Arreter;
        }
        dire(messageEchecEcriture(dossierProgramme), true);
        return IssueVerification::Continuer;
    }

    if (stocke == telecharge) {
        if (!silencieux)
            dire(QStringLiteral("Votre liste des chaînes Free apparaît à jour.\n\n"
                                "Il est parfois nécessaire de redémarrer la Freebox\n"
                                "pour qu'elle prenne en compte de nouvelles chaînes."),
                 false);
        return IssueVerification::Continuer;
    }

    // A list cut right after a whole channel looks whole: when it lacks channels in use, the
    // user decides, and answering no keeps the stored list and what names those channels.
    if (silencieux) {
        const QStringList perdues = chainesPerdues(stocke, telecharge, chainesUtilisees);
        if (!perdues.isEmpty()) {
            question = questionChainesPerdues(perdues);
            return std::nullopt;
        }
        return mettreAJour(silencieux, dossierProgramme, dialogues, telecharge);
    }
    question = kQuestionNouvelleListe;
    return std::nullopt;
}

}  // namespace

void VerifierListeChaines(bool silencieux, const QString& dossierProgramme, ClientWeb& web, Dialogues& dialogues,
                          const Adresses& adresses, bool depuisDemarrage, Suite<IssueVerification> fin,
                          Suite<> repondu, const QStringList& chainesUtilisees)
{
    // A stored file without any channel counts as absent: a good list replaces it unasked.
    QByteArray stocke;
    const bool fichierPresent = lireStocke(dossierProgramme + kFichierListeChaines, stocke) && listeUtilisable(stocke);
    // With a usable list at hand, start-up only compares: it does not wait as for a download.
    web.telecharger(adresses.playlist(), depuisDemarrage && fichierPresent ? kDelaiVerificationMs : 0,
                    Suite<QByteArray>([=, &dialogues](const QByteArray& telecharge) {
                        repondu();
                        QString question;
                        const auto issue = comparer(silencieux, dossierProgramme, dialogues, depuisDemarrage,
                                                    stocke, fichierPresent, telecharge, chainesUtilisees, question);
                        if (issue) {
                            fin(*issue);
                            return;
                        }
                        dialogues.question(question, Suite<bool>([=, &dialogues](bool oui) {
                            if (oui) {
                                fin(mettreAJour(silencieux, dossierProgramme, dialogues, telecharge));
                                return;
                            }
                            dire(dialogues, QStringLiteral("Votre liste des chaînes Free n'a pas été mise à jour."),
                                 false);
                            fin(IssueVerification::Continuer);
                        }));
                    }));
}
