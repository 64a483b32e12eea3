#pragma once
#include "platform/Suite.h"

#include <QList>
#include <QString>
#include <optional>

class ClientWeb;
class Dialogues;
class Shell;
struct Adresses;

// "1.10" -> {1, 10}; nothing when the text is not dot-separated whole numbers.
std::optional<QList<int>> NumerosVersion(const QString& numero);

// Compares two dotted version numbers; missing parts count as 0 (1.4 == 1.4.0).
// Negative, 0 or positive like strcmp.
int ComparerVersions(const QList<int>& a, const QList<int>& b);

// Asks the product's site for the latest version and offers its download page when it is
// newer than ours. silencieux hides the messages that only report; the question is always asked.
// delaiMs: the longest wait for the answer, 0 = the client's own. Nothing waits here: the
// answer is looked at when it comes, `repondu` running first; what only reports is said once
// no box is open.
void VerifierVersion(bool silencieux, ClientWeb& web, Dialogues& dialogues, Shell& shell,
                     const Adresses& adresses, int delaiMs = 0, Suite<> repondu = {});
