#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

class ProgListe;
struct LigneProgramme;

// What one tick of the clock sees besides the schedule.
struct EntreeHorloge {
    QDateTime maintenant;                        // wall-clock now; its date and time are used as they are
    // Time left (ms, elapsed time) of the manual recording's chosen duration; none when unset.
    std::optional<qint64> resteEnregistrementMs;
    // Time left (ms, elapsed time) of the running scheduled entry, held from its start: a
    // clock set back or forward moves no end. None: the wall clock decides.
    std::optional<qint64> resteProgrammeMs;
    QStringList chaines;                         // display names of the channel list, in order
    QString fichierEnregistre;                   // file of the running scheduled recording
    std::int64_t tailleFichier = -1;             // its size in bytes, -1 when it does not exist (yet)
    QString texteTaille = QStringLiteral("0 Mo");  // size text shown so far
    bool programmeApres = false;                 // AUTR: run a program after each scheduled recording
    QString programme;                           // AUTP: its path
    QString argumentsProgramme;                  // AUTL: its argument line with %0 %1 %2
    bool extinction = false;                     // shut the computer down at the end
    // The running scheduled recording failed before its end (its recorder closed, or its
    // file stopped growing): what to tell the user, empty when the user was told already.
    std::optional<QString> echecEnregistrement;
};

// One thing the window has to do, in the order the tick returns them.
struct ActionHorloge {
    enum Genre {
        // EnregistrerX_Click: the manual recording's chosen duration has run out.
        ArreterEnregistrementManuel,
        // Entry `ligne` is due: StopAll_Click without the time-shift question, ChaineEnCours =
        // `chaine`, ChangerEtat(16), ActualiserBoutonsProgramme, FichierEnregistre =
        // NomFichierEnregistrement(`chaine`), LancerEnregistrement(address of channel
        // `indexChaine`, FichierEnregistre, hidden). The progress fill is `progression`; the
        // entry's end comes `resteMs` of elapsed time after the tick.
        DemarrerProgramme,
        // Running entry `ligne`: progress fill `progression`, ProgTaille = `texte`, keep
        // `texteTaille` for the next tick, then AfficherEspaceLibre.
        SuivreProgramme,
        // Running entry `ligne` has ended (now "[X]"): ActualiserBoutonsProgramme,
        // ChangerEtat(32), StopAll_Click. It also ends so when its recording failed.
        TerminerProgramme,
        // Exclamation message `texte`, after the tick: the recording of entry `ligne` failed,
        // or could not start because its channel is no longer in the list. Neither the user's
        // program nor the shutdown follows a failed recording.
        Avertir,
        // Start `programme` with `arguments`, minimised without focus; a failure is reported,
        // the tick goes on.
        LancerProgrammeApres,
        // Systeme::programmerArret(`texte`); ExtinctionOFF shows once the system took it.
        ProgrammerExtinction,
        // Information message `texte` (an occurrence moved away from another entry).
        Informer,
        // ActualiserTitre; always the last action.
        ActualiserTitre,
    };
    ActionHorloge(Genre g = ActualiserTitre) : genre(g) {}
    Genre genre;
    int ligne = -1;          // index of the entry in the list once the action is returned
    int indexChaine = -1;
    QString chaine;
    double progression = 0;  // 0 to 1, share of ProgBar2's width
    QString texte;
    QString texteTaille;
    QString programme;
    QStringList arguments;
    qint64 resteMs = 0;
};

// One tick of the clock: updates the schedule's markers and occurrences in `liste` and
// returns what the window must do, in order. The list's view must be refreshed afterwards.
std::vector<ActionHorloge> DeciderTicHorloge(ProgListe& liste, const EntreeHorloge& entree);

// What the user is told when entry `e` is due and no channel of the list bears its name: it
// is not recorded, and neither is the rest of its series.
QString MessageChaineAbsente(const LigneProgramme& e);

// A gap of this much between the wall clock and elapsed time is the computer's clock being
// set, not drift.
inline constexpr qint64 kSautHorlogeMs = 60 * 1000;
// What the user is told, once, when the clock was set by `ecartMs` during the scheduled
// recording of `chaine`.
QString MessageSautHorloge(const QString& chaine, qint64 ecartMs);

// What the user is told when entry `e`'s whole time fell in the hour that the spring change
// of the clocks skipped: it could not be recorded.
QString MessageHeureSautee(const LigneProgramme& e);

// "<MiB> Mo" for a size in bytes.
QString TexteTaille(std::int64_t octets);
// ProgTaille: "<size text> (-- hh:mm)" with the minutes left.
QString TexteTempsRestant(const QString& texteTaille, qint64 minutesRestantes);
// EspaceLibre: free space in GiB, French digit grouping, at most two decimals, then " Go".
// nullopt when the size is unknown (the display then stays as it was).
std::optional<QString> AfficherEspaceLibre(std::int64_t octetsLibres);
// Share of the free-space gauge; nullopt when the total is unknown.
std::optional<double> FractionEspaceLibre(std::int64_t octetsLibres, std::int64_t octetsTotal);
// The notice of the automatic shutdown.
QString AvisExtinction();

struct CommandeProgramme {
    QString programme;
    QStringList arguments;
    bool operator==(const CommandeProgramme&) const = default;
};
// The user's post-recording program: the argument line is split on blanks (double or single
// quotes group), then in each argument "%0" becomes the folder of `fichier`, "%1" its name without
// the extension and "%2" the extension without the dot. Substituted text is not searched
// again, so a "%2" inside a file name stays.
CommandeProgramme CommandeApresEnregistrement(const QString& programme, const QString& arguments,
                                              const QString& fichier);
