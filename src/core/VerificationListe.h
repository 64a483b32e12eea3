#pragma once
#include "core/ListeChaines.h"
#include "platform/Suite.h"

#include <QString>
#include <optional>

class ClientWeb;
class Dialogues;
struct Adresses;

// Whether the program may go on after the channel-list check.
enum class IssueVerification { Continuer, Arreter };

// Name of the channel-list file in the program's folder.
inline const QString kFichierListeChaines = QStringLiteral("Kelmor.cfg");

// Whether the channel-list file of dossierProgramme exists and names at least one channel.
bool ListeChainesPresente(const QString& dossierProgramme);
// The same check with the file read once: its channels (sorted when `trier`) when it exists
// and names at least one, nothing otherwise.
std::optional<ListeChaines> LireListeChainesPresente(const QString& dossierProgramme, bool trier);

// Fetches the box's playlist and replaces the channel-list file of dossierProgramme
// (ending with "/") when it is absent, names no channel, or differs. A playlist without any
// channel, or whose last channel is cut (see DerniereChaineEntiere), counts as one that could
// not be read: the stored file stays. silencieux hides the messages that only report (up to
// date, access problem); depuisDemarrage says the caller is start-up, the only caller that may
// be told to stop (no usable file and no usable playlist, or the first file could not be
// written); its check of a usable stored file waits kDelaiVerificationMs at most, a download
// the client's full wait.
// `chainesUtilisees` (favourites, remembered channel, schedule): a silent check does not drop
// one of them from the stored list without asking.
// Nothing waits here: `repondu` runs when the playlist's answer has come, before anything is
// said or asked, and `fin` once the check is over. What only reports is said once no box is
// open; what ends the program is said before `fin`.
void VerifierListeChaines(bool silencieux, const QString& dossierProgramme, ClientWeb& web, Dialogues& dialogues,
                          const Adresses& adresses, bool depuisDemarrage, Suite<IssueVerification> fin,
                          Suite<> repondu = {}, const QStringList& chainesUtilisees = {});
