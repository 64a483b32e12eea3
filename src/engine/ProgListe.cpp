#include "engine/ProgListe.h"

#include "platform/Dialogues.h"

#include <algorithm>

namespace {

const QString TexteHeuresIdentiques = QStringLiteral("L'heure de début et l'heure de fin sont identiques.");
const QString TexteFinPassee = QStringLiteral("La fin du programme est déjà passée.");
const QString TexteEmpiete = QStringLiteral("Ce programme empiète sur une autre programmation.");
const QString TexteFusionPrecedente = QStringLiteral(
    "Ce programme empiète avec la programmation de l'émission précédente\n"
    "sur la même chaîne. Souhaitez-vous fusionner les 2 programmes ?");
const QString TexteFusionSuivante = QStringLiteral(
    "Ce programme empiète avec la programmation de l'émission suivante\n"
    "sur la même chaîne. Souhaitez-vous fusionner les 2 programmes ?");
// An entry cannot last more than a day: its text holds no end date.
const QString TexteFusionTropLongue = QStringLiteral(
    "Les programmes fusionnés dureraient plus de 24 heures.\n"
    "Ce programme ne peut pas être ajouté.");
const QString TexteStopper = QStringLiteral("Souhaitez-vous réellement stopper cet enregistrement en cours ?");
const QString TexteModifier = QStringLiteral(
    "Les paramètres de programmation vont être modifiés avec ceux du programme\n"
    "sélectionné et celui-ci va être supprimé de la liste. Modifiez-les puis n'oubliez pas\n"
    "de les valider en cliquant sur \"+\" pour recréer le programme modifié.\n"
    "\n"
    "Souhaitez-vous poursuivre et modifier ce programme ?");
const QString TexteSupprimerEnCours = QStringLiteral(
    "Cet enregistrement programmé est en cours.\n"
    "Souhaitez-vous réellement le stopper et le supprimer ?");
const QString TexteSupprimerRecurrent = QStringLiteral(
    "Cet enregistrement programmé est récurrent.\n"
    "Souhaitez-vous réellement le supprimer ?");
const QString TexteSupprimerUnique = QStringLiteral("Souhaitez-vous réellement supprimer cet enregistrement ?");
const QString TexteToutSupprimer = QStringLiteral("Souhaitez-vous effacer la liste et supprimer tous les programmes ?");
const QString TexteToutSupprimerEnCours = QStringLiteral(
    "Un enregistrement programmé est en cours.\n"
    "Souhaitez-vous réellement tout supprimer ?");

QTime alaMinute(const QTime& t)
{
    return QTime(t.hour(), t.minute());
}

}  // namespace

ValeursEditeur ValeursEditeur::Initiales(const QDateTime& maintenant, const QString& chaine)
{
    const QTime debut = alaMinute(maintenant.time());
    return {maintenant.date(), debut, debut.addSecs(2 * 3600), chaine, 0};
}

ValeursEditeur ValeursEditeur::De(const LigneProgramme& l)
{
    return {l.date, l.debut, l.fin, l.chaine, IndexFrequence(l.frequence)};
}

QStringList ProgListe::textes() const
{
    QStringList t;
    for (const auto& l : lignes_)
        t << l.texte();
    return t;
}

void ProgListe::selectionner(int i)
{
    selection_ = (i >= 0 && i < nombre()) ? i : -1;
}

BoutonsProgramme ProgListe::boutons() const
{
    BoutonsProgramme b;
    if (lignes_.empty())
        return b;
    if (selection_ >= 0) {
        const QChar m = ligne(selection_).marqueur;
        b.stopper = m == u'E';
        b.modifier = m == u'A';
    }
    b.nettoyer = b.supprimer = b.toutSupprimer = true;
    return b;
}

BoutonsProgramme ProgListe::ActualiserBoutonsProgramme()
{
    if (!lignes_.empty() && selection_ < 0)
        selection_ = 0;
    return boutons();
}

int ProgListe::indexInsertion(qint64 minuteDebut) const
{
    const auto it = std::find_if(lignes_.begin(), lignes_.end(),
                                 [&](const LigneProgramme& l) { return l.minuteDebut() > minuteDebut; });
    return static_cast<int>(it - lignes_.begin());
}

void ProgListe::inserer(int i, const LigneProgramme& l)
{
    ++revision_;
    lignes_.insert(lignes_.begin() + i, l);
    if (selection_ >= i)
        ++selection_;
}

void ProgListe::retirer(int i)
{
    ++revision_;
    lignes_.erase(lignes_.begin() + i);
    if (selection_ == i)
        selection_ = -1;
    else if (selection_ > i)
        --selection_;
}

Etape<ResultatAjout> ProgListe::AjouterProgramme(const ValeursEditeur& v, bool demander, const QDateTime& maintenant,
                                                 Dialogues& dialogues, const Accord& accord)
{
    // The clock may change the list while a question is open: the add then starts again
    // on the list as it is, and asks again what it has to.
    const QStringList acceptees = accord.revision == revision_ ? accord.acceptees : QStringList();
    return ajouter(v, demander, maintenant, dialogues, acceptees);
}

Etape<ResultatAjout> ProgListe::ajouter(const ValeursEditeur& v, bool demander, const QDateTime& maintenant,
                                        Dialogues& dialogues, const QStringList& acceptees)
{
    const QChar lettre = LettreFrequence(v.frequence);
    if (lettre.isNull() || !v.date.isValid() || !v.debut.isValid() || !v.fin.isValid())
        return {};

    LigneProgramme n;
    n.date = v.date;
    n.debut = alaMinute(v.debut);
    n.fin = alaMinute(v.fin);
    n.chaine = v.chaine;
    n.frequence = lettre;
    // Equal times are a whole day: only a merge makes such an entry, and a stored one comes
    // back silently. The editor still refuses them.
    if (n.debut == n.fin && demander) {
        dialogues.information(TexteHeuresIdentiques);
        return {};
    }
    if (lettre == u'L')
        n.date = JourOuvrable(n.date);

    // Passed entries: a recurrent one moves to its first occurrence still to come.
    const qint64 minuteMaintenant = MinuteCivile(maintenant.date(), maintenant.time());
    while (minuteMaintenant >= n.minuteFin()) {
        if (!n.recurrent()) {
            if (demander)
                dialogues.information(TexteFinPassee);
            return {};
        }
        n.date = ProchaineDateApresFin(n.date, lettre, maintenant.date());
    }

    // Every entry the new one touches, directly or through another merged entry, is merged
    // (same channel and frequency) or refuses the add: the list never holds two overlapping
    // entries. Entries that start no later than the new one are the previous side, the others
    // the next side; each side asks its question once.
    const int k = indexInsertion(n.minuteDebut());
    qint64 debut = n.minuteDebut();
    qint64 fin = n.minuteFin();
    std::vector<bool> fusionnee(lignes_.size(), false);
    auto refuser = [&]() -> Etape<ResultatAjout> {
        if (demander)
            dialogues.information(TexteEmpiete);
        return {};
    };

    bool fusionPrecedent = false;
    for (bool etendu = true; etendu;) {
        etendu = false;
        for (int i = k - 1; i >= 0; --i) {
            const LigneProgramme& p = ligne(i);
            if (fusionnee[static_cast<size_t>(i)] || p.minuteFin() < debut)
                continue;
            if (p.suffixe() != n.suffixe())
                return refuser();
            fusionnee[static_cast<size_t>(i)] = true;
            fusionPrecedent = etendu = true;
            // The union of both: a contained entry never shortens the one that holds it.
            debut = std::min(debut, p.minuteDebut());
            fin = std::max(fin, p.minuteFin());
        }
    }
    if (fusionPrecedent && demander && !acceptees.contains(TexteFusionPrecedente))
        return {accord(TexteFusionPrecedente, std::nullopt, acceptees)};

    bool fusionSuivant = false;
    for (int i = k; i < nombre() && ligne(i).minuteDebut() <= fin; ++i) {
        const LigneProgramme& s = ligne(i);
        if (s.suffixe() != n.suffixe())
            return refuser();
        fusionnee[static_cast<size_t>(i)] = true;
        fusionSuivant = true;
        fin = std::max(fin, s.minuteFin());
    }
    if (fusionSuivant && demander && !acceptees.contains(TexteFusionSuivante))
        return {accord(TexteFusionSuivante, std::nullopt, acceptees)};

    if (fin - debut > 1440) {
        if (demander)
            dialogues.information(TexteFusionTropLongue);
        return {};
    }

    // The merged entry starts where the earliest one did and keeps a running entry's marker:
    // it is extended, never started a second time. Exactly a day is written with equal times.
    QChar marqueur = u'A';
    for (int i = nombre() - 1; i >= 0; --i) {
        if (!fusionnee[static_cast<size_t>(i)])
            continue;
        const LigneProgramme& m = ligne(i);
        if (m.minuteDebut() == debut) {
            n.date = m.date;
            n.debut = m.debut;
        }
        if (m.enCours())
            marqueur = m.marqueur;
        retirer(i);
    }
    n.fin = QTime(0, 0).addSecs(static_cast<int>(fin % 1440) * 60);
    n.marqueur = marqueur;

    const int position = indexInsertion(n.minuteDebut());
    inserer(position, n);
    selection_ = position;
    ActualiserBoutonsProgramme();
    return {std::nullopt, {true, demander}};
}

bool ProgListe::selectionToujours(const LigneProgramme& avant) const
{
    if (selection_ < 0)
        return false;
    LigneProgramme l = ligne(selection_);
    l.marqueur = avant.marqueur;
    return l == avant;
}

Etape<bool> ProgListe::Stopper_Click(const Accord& a)
{
    if (selection_ < 0 || ligne(selection_).marqueur != u'E')
        return {};
    if (!a.ligne)
        return {accord(TexteStopper, ligne(selection_))};
    // The entry may have ended while the question was open.
    if (!selectionToujours(*a.ligne))
        return {};
    ++revision_;
    lignes_[static_cast<size_t>(selection_)].marqueur = u'S';
    return {std::nullopt, true};
}

Etape<std::optional<ValeursEditeur>> ProgListe::Modifier_Click(const Accord& a)
{
    // Once asked, an entry that started meanwhile is no longer to edit.
    if (selection_ < 0 || ligne(selection_).marqueur != u'A')
        return {};
    if (!a.ligne)
        return {accord(TexteModifier, ligne(selection_))};
    if (!selectionToujours(*a.ligne))
        return {};
    const ValeursEditeur v = ValeursEditeur::De(ligne(selection_));
    retirer(selection_);
    ActualiserBoutonsProgramme();
    return {std::nullopt, v};
}

QString ProgListe::questionSuppression(const LigneProgramme& e)
{
    if (e.marqueur == u'E')
        return TexteSupprimerEnCours;
    if (e.recurrent())
        return TexteSupprimerRecurrent;
    if (e.marqueur != u'X')
        return TexteSupprimerUnique;
    return {};
}

Etape<ResultatSuppression> ProgListe::SupprimerSelection_Click(const Accord& a)
{
    if (selection_ < 0)
        return {};
    // The clock may have started or ended the entry while the question was open.
    if (a.ligne && !selectionToujours(*a.ligne))
        return {};
    const LigneProgramme e = ligne(selection_);
    const QString question = questionSuppression(e);
    if (!question.isEmpty() && question != a.question)
        return {accord(question, e)};
    // "[S]" lasts until the next tick; its recorder still runs, like an "[E]" one.
    const bool enCours = e.enCours();
    const int i = selection_;
    retirer(i);
    selection_ = std::min(i, nombre() - 1);
    ActualiserBoutonsProgramme();
    return {std::nullopt, {true, enCours}};
}

Etape<ResultatSuppression> ProgListe::ToutSupprimer_Click(const Accord& a)
{
    const bool enCours =
        std::any_of(lignes_.begin(), lignes_.end(), [](const LigneProgramme& l) { return l.enCours(); });
    // An entry may have started while the question was open: the question is asked again.
    const QString question = enCours ? TexteToutSupprimerEnCours : TexteToutSupprimer;
    if (question != a.question)
        return {accord(question)};
    ++revision_;
    lignes_.clear();
    selection_ = -1;
    return {std::nullopt, {true, enCours}};
}

void ProgListe::Nettoyer_Click()
{
    for (int i = nombre() - 1; i >= 0; --i)
        if (ligne(i).marqueur == u'X')
            retirer(i);
    ActualiserBoutonsProgramme();
}
