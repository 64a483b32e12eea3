#pragma once
#include "engine/LigneProgramme.h"

#include <QDateTime>
#include <QStringList>

#include <optional>
#include <vector>

class Dialogues;

// The schedule editor's values: date, start and end pickers, channel label, frequency index.
struct ValeursEditeur {
    QDate date;
    QTime debut;
    QTime fin;
    QString chaine;
    int frequence = 0;  // 0-4, the item of the frequency list

    // What the programming tab shows when it opens: now, now + 2 hours, one-off.
    static ValeursEditeur Initiales(const QDateTime& maintenant, const QString& chaine);
    // The values that rebuild the entry (start-up re-add, Modifier).
    static ValeursEditeur De(const LigneProgramme& ligne);
    bool operator==(const ValeursEditeur&) const = default;
};

// Which of the five editor buttons are enabled.
struct BoutonsProgramme {
    bool stopper = false;
    bool modifier = false;
    bool nettoyer = false;
    bool supprimer = false;
    bool toutSupprimer = false;
    bool operator==(const BoutonsProgramme&) const = default;
};

struct ResultatAjout {
    bool ajoute = false;
    // The add was interactive and succeeded: the caller saves the settings file and then runs
    // one clock tick, in that order.
    bool enregistrerPuisHorloge = false;
};

struct ResultatSuppression {
    bool supprime = false;
    // A running scheduled recording lost its entry: the caller runs ChangerEtat(32) and
    // StopAll_Click. The settings file is to be saved whenever `supprime` is set.
    bool arreterEnregistrement = false;
};

// A change that needs the user's Yes first: the question asked, and the list as it was then.
// Given back to the change after a Yes, it tells it what was agreed to.
struct Accord {
    QString question;                     // answered Yes ("" before any question)
    std::optional<LigneProgramme> ligne;  // the selected line the question was about
    quint64 revision = 0;                 // the list's revision when it was asked
    QStringList acceptees;                // an add's merge questions answered Yes
};

// One step of a change: either a question to ask (`aDemander`; after a Yes the change is
// called again with it), or the change's outcome.
template <typename R>
struct Etape {
    std::optional<Accord> aDemander;
    R resultat{};
};

// The schedule: entries in ascending order of start, and the selected line.
class ProgListe {
public:
    int nombre() const { return static_cast<int>(lignes_.size()); }
    const LigneProgramme& ligne(int i) const { return lignes_.at(static_cast<size_t>(i)); }
    const std::vector<LigneProgramme>& lignes() const { return lignes_; }
    // The entry texts, for the list's display and the "PROG=" lines.
    QStringList textes() const;

    int selection() const { return selection_; }
    void selectionner(int i);  // -1 = none

    // Selects line 0 when there are lines and none is selected; gives the buttons' states.
    BoutonsProgramme ActualiserBoutonsProgramme();
    // The buttons' states for the current selection (ProgListe_Click).
    BoutonsProgramme boutons() const;

    // Adds an entry built from the editor's values. `demander`: interactive (messages and
    // merge questions) or silent (start-up re-add, never a question). `maintenant` is the
    // current wall-clock time. Every entry the new one touches is merged with it or the add is
    // refused, so that no two entries overlap; equal times are refused interactively and mean
    // a whole day silently. A list changed since the questions were answered asks them again.
    Etape<ResultatAjout> AjouterProgramme(const ValeursEditeur& v, bool demander, const QDateTime& maintenant,
                                          Dialogues& dialogues, const Accord& accord = {});
    // Asks, then marks the selected running entry "[S]". True when marked: the caller runs a tick.
    Etape<bool> Stopper_Click(const Accord& accord = {});
    // Asks, then removes the selected waiting entry and gives its values back to the editor.
    Etape<std::optional<ValeursEditeur>> Modifier_Click(const Accord& accord = {});
    // Asks as the selected entry needs (again when it changed meanwhile), then removes it.
    Etape<ResultatSuppression> SupprimerSelection_Click(const Accord& accord = {});
    Etape<ResultatSuppression> ToutSupprimer_Click(const Accord& accord = {});
    // Removes the finished entries. The caller then saves the settings file.
    void Nettoyer_Click();

    // Raw edits used by the clock; the selection follows its line (none when it is removed).
    void inserer(int i, const LigneProgramme& l);
    void retirer(int i);
    void remplacer(int i, const LigneProgramme& l)
    {
        ++revision_;
        lignes_.at(static_cast<size_t>(i)) = l;
    }
    // Index of the first entry whose start is strictly later than `minuteDebut`.
    int indexInsertion(qint64 minuteDebut) const;

    // Counts the changes of the list: a question's handler tells by it whether the clock
    // changed the list while the question was open.
    quint64 revision() const { return revision_; }

private:
    Etape<ResultatAjout> ajouter(const ValeursEditeur& v, bool demander, const QDateTime& maintenant,
                                 Dialogues& dialogues, const QStringList& acceptees);
    Accord accord(const QString& question, const std::optional<LigneProgramme>& ligne = {},
                  const QStringList& acceptees = {}) const
    {
        return {question, ligne, revision_, acceptees};
    }
    // Whether the selected line is still `avant` (its marker aside).
    bool selectionToujours(const LigneProgramme& avant) const;
    static QString questionSuppression(const LigneProgramme& e);

    std::vector<LigneProgramme> lignes_;
    int selection_ = -1;
    quint64 revision_ = 0;
};
