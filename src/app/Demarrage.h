#pragma once
#include "app/Presentation.h"
#include "core/ListeChaines.h"

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <optional>

struct Composition;
struct Plateforme;
class EtatFenetre;

// The start-up sequence: the single copy, the reset switch, the channel list and its check,
// the settings and the schedule, the last channel, the player, the clock's start, the
// migrations and the version check. It asks and says what it has to and waits for nothing in
// the call stack; at its end it gives what the window is to show, and never touches the
// window itself.
class Demarrage {
public:
    // `demarrerHorloge` runs the first tick and starts the 10-second clock.
    Demarrage(Plateforme& plateforme, Composition& parties, EtatFenetre& fenetre,
              std::function<void()> demarrerHorloge);

    // `fin` is told at the end: what the window shows, or nothing when the program must end
    // now (nothing saved, no window shown). It may be told within the call.
    void Form_Load(const QStringList& arguments, std::function<void(std::optional<PresentationDemarrage>)> fin);

private:
    void terminer(std::optional<PresentationDemarrage> p);
    void verifierListe();
    // The channel list's check at start, then `ensuite` unless it ends the program.
    void verifierPuis(void (Demarrage::*ensuite)());
    void chargerSession();
    // Finds the player, asking the user where it is when needed; start-up then goes on.
    void chercherLecteur();
    void proposerTelechargement();
    // The clock, the migrations, the version check and what the window shows.
    void finirDemarrage();

    Plateforme& plateforme_;
    Composition& c_;
    EtatFenetre& fenetre_;
    std::function<void()> demarrerHorloge_;
    QStringList arguments_;
    std::function<void(std::optional<PresentationDemarrage>)> fin_;
    bool fichierParametres_ = false;
    QByteArray texteParametres_;
    // The channel list as the check at start read it; none when it was downloaded since.
    std::optional<ListeChaines> liste_;
};

// Searches the command line's arguments (never the program's own path) for a switch.
bool contientOption(const QStringList& arguments, const QString& option);
