#pragma once
#include "engine/EtatLecteur.h"
#include "platform/Lecteurs.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <deque>

#include <functional>
#include <initializer_list>
#include <memory>

struct Plateforme;
struct Session;

// What the engine's controllers share: the player state, the operations that the clock and
// the close wait for, starting and closing our players, keystrokes, stopping everything and
// the channel selection. It tells the window what changed through its signals.
//
// Nothing here waits in the call stack. What takes time (players closing, the time-shift
// buffer filling, a keystroke reaching its player) is a sequence: steps run from the event
// loop while the window takes no input, and the clock's tick and a close wait for its end.
// A question is never asked inside a sequence, its answer is acted on only once no sequence
// runs, and a message that a step has to give is shown once no box is open.
class Moteur : public QObject {
    Q_OBJECT
public:
    Moteur(Session& session, Plateforme& plateforme);

    // Marks an engine operation as running for the life of the object; with `desactive`, the
    // window takes no input meanwhile.
    class Operation {
    public:
        explicit Operation(Moteur& m, bool desactive = false);
        ~Operation();
        Operation(const Operation&) = delete;
        Operation& operator=(const Operation&) = delete;

    private:
        QPointer<Moteur> moteur_;  // an operation may outlive the engine in a pending step
        bool desactive_;
    };
    bool operationEnCours() const { return operations_ > 0; }

    // An operation that goes on over steps of the event loop: it lasts until its last copy
    // goes, and the window takes no input meanwhile.
    using Sequence = std::shared_ptr<Operation>;
    Sequence sequence() { return std::make_shared<Operation>(*this, true); }
    // Runs `etape` ms later, from the event loop, the sequence held until then.
    void apres(int ms, const Sequence& sequence, std::function<void()> etape);

    // Runs `f` now when no sequence runs, else once the last one has ended (in the order
    // held): what it changes never lands in the middle of a sequence.
    void horsSequence(std::function<void()> f);
    // Asks `texte` without waiting. The answer is held while a sequence runs, then given to
    // `reponse`, which looks at the state again as the sequence left it.
    void demander(const QString& texte, std::function<void(bool oui)> reponse);

    // The clock decided to start a scheduled recording: from then until the recorder runs
    // (or could not start), every check counts a scheduled recording.
    void debutDemarrageProgramme() { ++demarragesProgramme_; }
    void finDemarrageProgramme()
    {
        if (demarragesProgramme_ > 0)
            --demarragesProgramme_;
    }
    // A scheduled recording runs, or its start is under way.
    bool programmeEnCours() const;

    // Tells the user of a failure (exclamation) or a result (information) once no box is
    // open, after the handler or step that found it.
    void signaler(const QString& texte);
    void informer(const QString& texte);

    void ChangerEtat(EtatLecteur nouvelEtat);
    void ActualiserTitre();
    // The selection of the channel list changed (by the user or by code); -1 = none.
    void Chaines_Click(int index);
    // The channel list was read: the window shows its names.
    void afficherChaines();

    // While a scheduled recording runs, manual operations are refused: tells the user.
    bool refuseSiProgramme();
    // Stops whatever plays, every player of ours whatever the state says; `ensuite` runs once
    // the state is stopped (at once when nothing played). False when refused or asked (`ensuite` then runs only after Yes, the state looked at
    // again). sansQuestion:
    // nothing is asked or refused, whatever runs (a recording starts in its place, and the
    // clock has nobody to ask).
    bool StopAll_Click(bool sansQuestion = false, std::function<void()> ensuite = {});
    // Closes every player of ours, then removes the temporary files; `ensuite` runs at the end.
    void FermerLecteurExterne(std::function<void()> ensuite = {});
    // Closes the players of these roles that run, then runs `ensuite` (at once when none runs).
    void fermerPuis(std::initializer_list<RoleLecteur> roles, std::function<void()> ensuite);
    // Sends a hotkey action to our visible player; `envoyees` is told whether the player took
    // it (false at once when none of ours runs).
    void EnvoyerTouchesLecteur(const QString& action, std::function<void(bool envoyees)> envoyees = {});
    // The player that receives keystrokes in the current state.
    RoleLecteur roleVisible() const;
    // Starts a player; tells the user (or, given `erreur`, puts the message there) and
    // returns false when it cannot start.
    bool lancer(RoleLecteur role, const QStringList& arguments, QString* erreur = nullptr);
    // Writes and serves the settings page before a re-broadcast. False when it cannot.
    bool preparerDiffusion();
    // The window shows the two toggles (re-broadcast and mute) as the session holds them.
    void afficherBascules();
    void reprendreFocus() { emit focusDemande(); }
    // After a player shown has started: its window takes the focus when it comes up.
    static constexpr int FocusMs = 2000;
    void reprendreFocusApres(int ms);

    static const QString kRefusProgramme;

signals:
    void etatChange(const VueEtat& vue);
    void titreChange(const QString& titre);
    void basculesChangees(bool tv, bool muet);
    void chaineSelectionnee(int index);
    void chainesChangees(const QStringList& noms);
    // The window takes no input while a sequence runs.
    void activationDemandee(bool actif);
    // Gives the focus back to the main window after a player started.
    void focusDemande();
    // The last running operation ended: a close or a tick that waited for it may go.
    void operationsTerminees();

private:
    bool arreter(bool sansQuestion, bool confirme, std::function<void()> ensuite);
    void finOperations();
    void supprimerFichier(const QString& chemin);

    Session& session_;
    Plateforme& plateforme_;
    int operations_ = 0;
    int desactivations_ = 0;
    int demarragesProgramme_ = 0;
    std::deque<std::function<void()>> horsSequence_;
};
