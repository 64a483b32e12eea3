#pragma once
#include "core/Parametres.h"

#include <QString>
#include <QStringList>

#include <optional>

// The encoding choices of a recording: lists, predefined profiles and the size estimate.
namespace Encodage {
// Items of the drop-down lists, in index order.
extern const QStringList VCOD;
extern const QStringList ACOD;
extern const QStringList CAPS;
// The profile list: its prompt first, then the profiles.
extern const QStringList PROFILS;

// Largest values a field takes: anything beyond is refused as typed, never cut down.
inline constexpr int kDebitMax = 100000;   // kbit/s
inline constexpr double kEchelleMax = 1000;  // percent
}  // namespace Encodage

// The values a profile sets, in the order they are assigned.
struct ProfilEncodage {
    int VCOD;
    QString VDEB;
    QString VECH;
    int ACOD;
    QString ADEB;
    int ACAN;
    int CAPS;
    bool AUDO;
};

// The profile named exactly `nom`; nothing for the prompt or any other text.
std::optional<ProfilEncodage> ProfilNomme(const QString& nom);
// Gives `p` the profile's values; VENC and TSPS stay as they are.
void AppliquerProfil(Parametres& p, const ProfilEncodage& profil);

// The number at the start of a text, blanks ignored, "." as decimal point; 0 when the text
// does not begin with a number.
double ValeurNumerique(const QString& texte);
// Disk space of one hour of recording, as shown: a whole number of Mo cut toward zero,
// followed by " Mo".
QString EstimerTaille(const QString& debitVideo, const QString& debitAudio, bool audioSeul);

// What typing has made of a field so far.
enum class Saisie { Refusee, Incomplete, Acceptee };
// A bit rate: digits only, at most kDebitMax. The empty text is incomplete.
Saisie SaisieDebit(const QString& texte);
// A scale: digits with at most one decimal point, at most kEchelleMax.
Saisie SaisieEchelle(const QString& texte);
