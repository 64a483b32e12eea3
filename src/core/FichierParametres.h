#pragma once
#include "core/Parametres.h"
#include "core/TableFavoris.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

class Dialogues;

// Everything the settings file "Kelmor.ini" holds.
struct ContenuParametres {
    Parametres p;
    QString version = QStringLiteral("Version 1.4");  // VERS as read; always written "Version 1.4"
    QString cheminVLC;               // PATH
    QString dossierEnregistrement;   // RECP: the recording folder
    QString chaine;                  // CHA1: the remembered channel
    qint32 pos1 = 0;                 // POS1: remembered left edge, twips
    qint32 pos2 = 0;                 // POS2: remembered top edge, twips
    TableFavoris favoris = TableFavoris::defaut();
    QStringList programmes;          // schedule entries, without "PROG="

    bool operator==(const ContenuParametres&) const = default;
};

// Shown by the caller when the file could not be written.
extern const QString kMessageEchecParametres;
// Exclamation shown when RECP names a folder that does not exist.
extern const QString kMessageDossierEnregistrementAbsent;
// The questions of the migrations from versions 1.2 and 1.3.
extern const QString kQuestionEncapsulationTS;
extern const QString kQuestionDesentrelacement;

// The whole file: the 48 key lines, the 90 "FA" lines, then one "PROG=" line per entry.
// UTF-8, every line ended by "\n".
QByteArray TexteParametres(const ContenuParametres& c);

// What the settings file holds as far as the program knows: the text it last read or wrote
// there, with the file's size and modification time then. Nothing known: an empty date.
struct FichierParametresConnu {
    QByteArray texte;
    qint64 taille = -1;
    QDateTime modification;
};
// The file at `chemin` as it stands now, known to hold `texte` (just read from it).
FichierParametresConnu ConnaitreFichierParametres(const QString& chemin, const QByteArray& texte);

// Replaces the file whole. False when it could not be written; the old file then stays as it was.
// With `connu`: a file untouched since it held exactly this text is left as it is (start-up's
// save, a close with nothing changed), and `connu` follows what is written.
bool EcrireFichierParametres(const QString& chemin, const ContenuParametres& c,
                             FichierParametresConnu* connu = nullptr);

// Early pass: SORT and CFGA only, needed before the channel list is loaded.
struct ValeursPrecoces {
    bool sort = false;
    bool cfga = false;
};
ValeursPrecoces LirePassePrecoce(const QByteArray& texte, ValeursPrecoces depart);

// The channel names the settings file uses: the favourites, the remembered channel and the
// schedule's entries not yet over. A new channel list that lacks one of them costs the user.
QStringList ChainesUtilisees(const QByteArray& texte);

// Defaults applied before the main pass, whether or not the file exists. `documents`
// is the user's documents folder; "" leaves the recording folder as it is.
void AppliquerDefauts(ContenuParametres& c, const QString& documents);

// Main pass, only when the file exists. `nomsChaines`: the display names of the channel
// list; `dossierExiste` tells whether a folder exists.
void LirePassePrincipale(const QByteArray& texte, ContenuParametres& c, const QStringList& nomsChaines,
                         const std::function<bool(const QString&)>& dossierExiste, Dialogues& dialogues);

// Brings settings written by an older version up to date; may ask the user, whose answer
// changes `c` when it comes (it must outlive the question).
void AppliquerMigrations(ContenuParametres& c, Dialogues& dialogues);

