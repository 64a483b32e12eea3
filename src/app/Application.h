#pragma once
#include "app/Cablage.h"
#include "app/Composition.h"
#include "app/Demarrage.h"
#include "app/Fermeture.h"

#include <QStringList>
#include <functional>
#include <optional>

class EtatFenetre;
class Fond;
struct Plateforme;

// The application object: it composes the engine's parts with the main window it is given
// and runs the start-up, the saves, the shut-down and the 10-second clock's entry. Its parts
// are its own: the wiring is handed what it connects.
class Application {
public:
    Application(Plateforme& plateforme, Fond& fond);
    ~Application();

    // Start-up. It goes on over the answers it waits for (the channel list's check); `fin` is
    // told once it is over: false when the program must end now (nothing saved, no window
    // shown). Returns that outcome when start-up ended within the call, nothing while it waits.
    std::optional<bool> Form_Load(const QStringList& arguments, std::function<void(bool continuer)> fin = {});
    bool demarreMinimise() const { return demarreMinimise_; }
    // Start-up has written the settings file: from then on a close saves them.
    bool parametresEcrits() const { return parametresEcrits_; }

    // Rewrites the settings file whole. False (and the user told) when it could not be written.
    bool EcrireParametres();

    // The window is closing. `parUtilisateur`: the user asked for it (close button or quit),
    // as opposed to the session ending. True when the window may close now; false when the
    // user is asked or refused, or when the players are still closing: the window is then
    // closed again once the answers came and they are gone.
    bool Form_QueryUnload(bool parUtilisateur);
    // A stop signal or the session's end: nobody may be there to answer, so the open boxes
    // go unanswered and what would be shown goes to the standard error output; then the
    // close without questions (players closed, settings saved).
    void fermerSansPersonne();

    // The 10-second timer fired, or the schedule asked for a tick. The tick never runs in the
    // middle of an engine sequence (players closing, time-shift buffering): it then waits for
    // its end. A box left open never holds it.
    void Horloge_Timer();
    // A double-click on a channel: watched in the remote-control form, shown live in the
    // media pane in the normal window.
    void Chaines_DblClick();
    // The last engine operation ended: a close or a tick that waited for it goes now.
    void apresOperations();
    // The side pane's steps run: they hold an engine operation until their end.
    void debutAnimation();
    void finAnimation();

    // Creates or removes the session's autostart entry as the option `AUTO` says (every close
    // does it; the options' "OK" too, when the option changed).
    void ecrireDemarrageAutomatique();

    // The engine's parts, for tests that drive a controller directly.
    Composition& parties() { return c_; }
    EtatFermeture fermeture() const { return fermeture_; }

private:
    void terminerDemarrage(bool continuer);
    // The user's close: the quit questions, each once the one before was answered Yes.
    void poserQuestions(int etape);
    // Saves, then closes the players; the window closes once they are gone.
    void fermer();
    void finirFermeture();
    void fermerFenetre();
    void nettoyerInstantanes();

    Plateforme& plateforme_;
    Fond& fond_;
    EtatFenetre& fenetre_;
    Composition c_;
    Demarrage demarrage_;
    // What the wiring was handed: its connections refer to it for the whole run.
    const Assemblage assemblage_;
    std::function<void(bool)> finDemarrage_;
    std::optional<bool> issueDemarrage_;
    bool demarreMinimise_ = false;
    bool parametresEcrits_ = false;
    EtatFermeture fermeture_ = EtatFermeture::EnMarche;
    bool ticEnAttente_ = false;
    std::optional<Moteur::Operation> animation_;
};
