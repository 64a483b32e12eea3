#pragma once
#include "app/EcritureParametres.h"
#include "engine/EnregistrementManuel.h"
#include "engine/Favoris.h"
#include "engine/GuideTV.h"
#include "engine/Medias.h"
#include "engine/Moteur.h"
#include "engine/Options.h"
#include "engine/Programmation.h"
#include "engine/Session.h"
#include "engine/Transport.h"

#include <QStringList>
#include <QTimer>
#include <functional>
#include <optional>

class Fond;
struct Plateforme;

// The application object: it owns the session, the engine's controllers and the 10-second
// clock, and runs the start-up, the saves and the shut-down on the main window it is given.
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
    // user refused, or when the players are still closing: the window is then closed again
    // once they are gone.
    bool Form_QueryUnload(bool parUtilisateur);

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

    Plateforme& plateforme;
    Fond& fond;
    EtatFenetre& etatFenetre;
    Session session;
    Moteur moteur;
    EcritureParametres ecriture;
    Transport transport;
    EnregistrementManuel enregistrement;
    Programmation programmation;
    Favoris favoris;
    GuideTV guide;
    Options options;
    Medias medias;
    QTimer horloge;

private:
    void terminerDemarrage(bool continuer);
    void verifierListe();
    void chargerSession();
    bool chercherLecteur();
    void finirFermeture();
    void placerFenetre();
    void ecrireDemarrageAutomatique();
    void nettoyerInstantanes();

    QStringList arguments_;
    std::function<void(bool)> finDemarrage_;
    std::optional<bool> demarrage_;
    bool fichierParametres_ = false;
    QByteArray texteParametres_;
    bool demarreMinimise_ = false;
    bool parametresEcrits_ = false;
    bool ferme_ = false;  // the close went through: no tick may start anything any more
    bool arretEnCours_ = false;   // the players are closing on the way out
    bool arretTermine_ = false;   // they are gone: the window may close
    bool questionsEnCours_ = false;
    bool dansFermeture_ = false;
    enum class Fermeture { Aucune, ParUtilisateur, SansQuestion };
    Fermeture fermetureEnAttente_ = Fermeture::Aucune;
    bool ticEnAttente_ = false;
    std::optional<Moteur::Operation> animation_;
};

// Searches the command line's arguments (never the program's own path) for a switch.
bool contientOption(const QStringList& arguments, const QString& option);
