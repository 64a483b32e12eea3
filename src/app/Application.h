#pragma once
#include "engine/EnregistrementManuel.h"
#include "engine/Favoris.h"
#include "engine/GuideTV.h"
#include "engine/Moteur.h"
#include "engine/Options.h"
#include "engine/Programmation.h"
#include "engine/Session.h"
#include "engine/Transport.h"

#include <QStringList>
#include <QTimer>
#include <optional>

class Fond;
struct Plateforme;

// The application object: it owns the session, the engine's controllers and the 10-second
// clock, and runs the start-up, the saves and the shut-down on the main window it is given.
class Application {
public:
    Application(Plateforme& plateforme, Fond& fond);
    ~Application();

    // Start-up. False when the program must end now (nothing saved, no window shown).
    bool Form_Load(const QStringList& arguments);
    bool demarreMinimise() const { return demarreMinimise_; }
    // Start-up has written the settings file: from then on a close saves them.
    bool parametresEcrits() const { return parametresEcrits_; }

    // Rewrites the settings file whole. False (and the user told) when it could not be written.
    bool EcrireParametres();

    // The window is closing. `parUtilisateur`: the user asked for it (close button or quit),
    // as opposed to the session ending. False when the user refused the close.
    bool Form_QueryUnload(bool parUtilisateur);

    // The 10-second timer fired. The tick never runs inside another engine operation:
    // it then waits for that operation to end.
    void Horloge_Timer();
    // A double-click on a channel: watch it.
    void Chaines_DblClick();
    // The last engine operation ended: a close or a tick that waited for it goes now.
    void apresOperations();
    // The side pane's steps run: they hold an engine operation until their end.
    void debutAnimation();
    void finAnimation();

    Plateforme& plateforme;
    Fond& fond;
    Session session;
    Moteur moteur;
    Transport transport;
    EnregistrementManuel enregistrement;
    Programmation programmation;
    Favoris favoris;
    GuideTV guide;
    Options options;
    QTimer horloge;

private:
    bool chercherLecteur();
    void placerFenetre();
    void ecrireDemarrageAutomatique();
    void nettoyerInstantanes();

    bool demarreMinimise_ = false;
    bool parametresEcrits_ = false;
    bool ferme_ = false;  // the close went through: no tick may start anything any more
    enum class Fermeture { Aucune, ParUtilisateur, SansQuestion };
    Fermeture fermetureEnAttente_ = Fermeture::Aucune;
    bool ticEnAttente_ = false;
    std::optional<Moteur::Operation> animation_;
};

// Searches the command line's arguments (never the program's own path) for a switch.
bool contientOption(const QStringList& arguments, const QString& option);
