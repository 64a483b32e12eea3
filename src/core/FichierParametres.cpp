#include "core/FichierParametres.h"

#include "platform/FichierAtomique.h"
#include "core/Version.h"
#include "platform/Dialogues.h"

#include <QDate>
#include <QTime>

#include <array>

const QString kMessageEchecParametres = QStringLiteral(
    "Les paramètres d'Kelmor n'ont pas pu être enregistrés.\n"
    "Vérifiez que le dossier de Kelmor est accessible en écriture et que le disque n'est pas plein.");

const QString kMessageDossierEnregistrementAbsent = QStringLiteral(
    "Le répertoire de sauvegarde des enregistrements n'existe\n"
    "pas et a été rétabli sur le répertoire \"Mes documents\".");

const QString kQuestionEncapsulationTS = QStringLiteral(
    "Assistant d'amélioration des réglages d'Kelmor :\n\n"
    "Vous êtes actuellement en type d'encapsulation TS.\n"
    "Le type PS est préférable car plus compatible.\n"
    "Souhaitez-vous qu'Kelmor modifie ce paramètre ?\n\n"
    "Ce message ne sera plus affiché par la suite.");

const QString kQuestionDesentrelacement = QStringLiteral(
    "Assistant d'amélioration des réglages d'Kelmor :\n\n"
    "Vous n'utilisez actuellement pas le désentrelacement.\n"
    "Celui-ci améliore la qualité de l'image à l'écran.\n"
    "Souhaitez-vous qu'Kelmor modifie ce paramètre ?\n\n"
    "Ce message ne sera plus affiché par la suite.");

namespace {


enum class Genre {
    Version,        // VERS
    Chemin,         // PATH
    Dossier,        // RECP
    Chaine,         // CHA1
    Position1,      // POS1
    Position2,      // POS2
    Case,           // check box: "0" / "1"
    Liste,          // index of a drop-down list, or a bounded whole number
    Encapsulation,  // TSPS: "1" for TS, otherwise "2"
    Texte,          // text written trimmed, read as it stands
};

struct Cle {
    const char* nom;
    Genre genre;
    bool Parametres::*booleen = nullptr;
    int Parametres::*entier = nullptr;
    QString Parametres::*texte = nullptr;
    int min = 0;
    int max = 0;
};

constexpr Cle special(const char* nom, Genre g) { return {nom, g}; }
constexpr Cle caseACocher(const char* nom, bool Parametres::*champ) { return {nom, Genre::Case, champ}; }
constexpr Cle liste(const char* nom, int Parametres::*champ, int min, int max)
{
    return {nom, Genre::Liste, nullptr, champ, nullptr, min, max};
}
constexpr Cle texte(const char* nom, QString Parametres::*champ)
{
    return {nom, Genre::Texte, nullptr, nullptr, champ};
}

// The keys in the order they are written.
constexpr std::array<Cle, 48> kCles = {{
    special("VERS", Genre::Version),
    special("PATH", Genre::Chemin),
    special("RECP", Genre::Dossier),
    caseACocher("AUTR", &Parametres::AUTR),
    texte("AUTP", &Parametres::AUTP),
    texte("AUTL", &Parametres::AUTL),
    caseACocher("EXEA", &Parametres::EXEA),
    caseACocher("CFGA", &Parametres::CFGA),
    caseACocher("SORT", &Parametres::SORT),
    caseACocher("MINI", &Parametres::MINI),
    caseACocher("MTOP", &Parametres::MTOP),
    caseACocher("UVLC", &Parametres::UVLC),
    caseACocher("FLX1", &Parametres::FLX1),
    caseACocher("FAVI", &Parametres::FAVI),
    caseACocher("AUTO", &Parametres::AUTO),
    caseACocher("CLAV", &Parametres::CLAV),
    caseACocher("CADR", &Parametres::CADR),
    caseACocher("MONO", &Parametres::MONO),
    liste("FOND", &Parametres::FOND, 0, 7),
    caseACocher("TRAN", &Parametres::TRAN),
    caseACocher("TIME", &Parametres::TIME),
    caseACocher("FULL", &Parametres::FULL),
    caseACocher("OTOP", &Parametres::OTOP),
    caseACocher("DISP", &Parametres::DISP),
    caseACocher("TVON", &Parametres::TVON),
    caseACocher("CHA0", &Parametres::CHA0),
    special("CHA1", Genre::Chaine),
    caseACocher("FRPL", &Parametres::FRPL),
    caseACocher("ORDI", &Parametres::ORDI),
    liste("AVAN", &Parametres::AVAN, 0, 7),
    liste("APRE", &Parametres::APRE, 0, 7),
    liste("ZOOM", &Parametres::ZOOM, 10, 200),
    caseACocher("INTR", &Parametres::INTR),
    liste("LACE", &Parametres::LACE, 0, 5),
    special("TSPS", Genre::Encapsulation),
    caseACocher("VENC", &Parametres::VENC),
    liste("VCOD", &Parametres::VCOD, 0, 11),
    texte("VDEB", &Parametres::VDEB),
    texte("VECH", &Parametres::VECH),
    liste("ACOD", &Parametres::ACOD, 0, 9),
    texte("ADEB", &Parametres::ADEB),
    liste("ACAN", &Parametres::ACAN, 0, 1),
    caseACocher("AUDO", &Parametres::AUDO),
    liste("CAPS", &Parametres::CAPS, 0, 8),
    caseACocher("POS0", &Parametres::POS0),
    special("POS1", Genre::Position1),
    special("POS2", Genre::Position2),
    caseACocher("FAVO", &Parametres::FAVO),
}};

constexpr int kDernierIndexListe = 7;  // last item of AVAN and APRE

// A value never spreads over two lines: a line break in it would start a new key.
QString surUneLigne(QString valeur)
{
    valeur.replace(QLatin1Char('\r'), QLatin1Char(' '));
    valeur.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return valeur;
}

QString valeurEcrite(const Cle& cle, const ContenuParametres& c)
{
    const Parametres& p = c.p;
    switch (cle.genre) {
    case Genre::Version: return kVersion;
    case Genre::Chemin: return c.cheminVLC;
    case Genre::Dossier: return c.dossierEnregistrement;
    case Genre::Chaine: return c.chaine;
    case Genre::Position1: return QString::number(c.pos1);
    case Genre::Position2: return QString::number(c.pos2);
    case Genre::Case: return (p.*cle.booleen) ? QStringLiteral("1") : QStringLiteral("0");
    case Genre::Liste: return QString::number(p.*cle.entier);
    case Genre::Encapsulation: return p.TSPS == 1 ? QStringLiteral("1") : QStringLiteral("2");
    case Genre::Texte: return (p.*cle.texte).trimmed();
    }
    return {};
}

// Splits at "\r\n", "\r" or "\n".
QStringList lignes(const QByteArray& texte)
{
    QString t = QString::fromUtf8(texte);
    if (t.startsWith(QChar(0xFEFF)))  // a byte-order mark left by an editor would hide the first key
        t.remove(0, 1);
    QStringList resultat;
    qsizetype debut = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar ch = t.at(i);
        if (ch != QLatin1Char('\r') && ch != QLatin1Char('\n'))
            continue;
        resultat << t.mid(debut, i - debut);
        if (ch == QLatin1Char('\r') && i + 1 < t.size() && t.at(i + 1) == QLatin1Char('\n'))
            ++i;
        debut = i + 1;
    }
    if (debut < t.size())
        resultat << t.mid(debut);
    return resultat;
}

// The key of a line: its first five characters in capitals (ASCII letters only, so
// that no other letter turns into a key's letter).
QString cleDe(const QString& ligne)
{
    QString cle = ligne.left(5);
    for (QChar& ch : cle)
        if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z'))
            ch = QChar(ch.unicode() - 'a' + 'A');
    return cle;
}

bool entier(const QString& valeur, qint32& resultat)
{
    bool ok = false;
    const int n = valeur.trimmed().toInt(&ok, 10);
    if (ok)
        resultat = n;
    return ok;
}

// A check box holds 0 or 1; anything else leaves it as it is.
void lireCase(const QString& valeur, bool& champ)
{
    qint32 n = 0;
    if (entier(valeur, n) && (n == 0 || n == 1))
        champ = n == 1;
}

void lireBorne(const QString& valeur, int& champ, int min, int max)
{
    qint32 n = 0;
    if (entier(valeur, n) && n >= min && n <= max)
        champ = n;
}

bool estChiffre(QChar ch)
{
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

bool estDate(const QString& s)
{
    return s.size() == 10 && QDate::fromString(s, QStringLiteral("dd/MM/yyyy")).isValid();
}

bool estHeure(const QString& s)
{
    return s.size() == 5 && QTime::fromString(s, QStringLiteral("HH:mm")).isValid();
}

// An entry as stored after "PROG=": marker, "dd/mm/yyyy hh:nn - hh:nn > " at fixed
// columns, the channel name, then " (" letter ")".
bool estEntreeProgramme(const QString& e)
{
    const qsizetype L = e.size();
    if (L < 35)
        return false;
    return estDate(e.mid(4, 10)) && estHeure(e.mid(15, 5)) && estHeure(e.mid(23, 5))
           && QStringLiteral("1QLHM").contains(e.at(L - 2));
}

void appliquer(const Cle& cle, const QString& valeur, ContenuParametres& c,
               const std::function<bool(const QString&)>& dossierExiste, Dialogues& dialogues)
{
    Parametres& p = c.p;
    switch (cle.genre) {
    case Genre::Version: c.version = valeur; break;
    case Genre::Chemin: c.cheminVLC = valeur.trimmed(); break;
    case Genre::Dossier: {
        const QString dossier = valeur.trimmed();
        if (!dossier.isEmpty() && dossierExiste && dossierExiste(dossier))
            c.dossierEnregistrement = dossier;
        else
            dialogues.exclamation(kMessageDossierEnregistrementAbsent);
        break;
    }
    case Genre::Chaine: c.chaine = valeur; break;
    case Genre::Position1: entier(valeur, c.pos1); break;
    case Genre::Position2: entier(valeur, c.pos2); break;
    case Genre::Case: lireCase(valeur, p.*cle.booleen); break;
    case Genre::Liste: lireBorne(valeur, p.*cle.entier, cle.min, cle.max); break;
    case Genre::Encapsulation: lireBorne(valeur, p.TSPS, 1, 2); break;
    case Genre::Texte: p.*cle.texte = valeur; break;
    }
}

}  // namespace

QByteArray TexteParametres(const ContenuParametres& c)
{
    QString t;
    t.reserve(8192);
    for (const Cle& cle : kCles)
        t += QLatin1String(cle.nom) + QLatin1Char('=') + surUneLigne(valeurEcrite(cle, c)) + QLatin1Char('\n');
    for (int g = 0; g < TableFavoris::NombreGroupes; ++g)
        for (int s = 0; s < TableFavoris::TailleGroupe - 1; ++s)
            t += QStringLiteral("FA") + QString::number(g) + QString::number(s) + QLatin1Char('=')
                 + surUneLigne(c.favoris.at(g * TableFavoris::TailleGroupe + s)) + QLatin1Char('\n');
    for (const QString& entree : c.programmes)
        t += QStringLiteral("PROG=") + surUneLigne(entree) + QLatin1Char('\n');
    return t.toUtf8();
}

bool EcrireFichierParametres(const QString& chemin, const ContenuParametres& c)
{
    return ecrireFichierAtomique(chemin, TexteParametres(c));
}

ValeursPrecoces LirePassePrecoce(const QByteArray& texte, ValeursPrecoces depart)
{
    for (const QString& ligne : lignes(texte)) {
        const QString cle = cleDe(ligne);
        if (cle == QLatin1String("SORT="))
            lireCase(ligne.mid(5), depart.sort);
        else if (cle == QLatin1String("CFGA="))
            lireCase(ligne.mid(5), depart.cfga);
    }
    return depart;
}

void AppliquerDefauts(ContenuParametres& c, const QString& documents)
{
    c.cheminVLC.clear();
    c.pos1 = 0;
    c.pos2 = 0;
    c.programmes.clear();

    // The encoding profile "Compressé".
    Parametres& p = c.p;
    p.VCOD = 2;
    p.VDEB = QStringLiteral("1024");
    p.VECH = QStringLiteral("100");
    p.ACOD = 3;
    p.ADEB = QStringLiteral("128");
    p.ACAN = 1;
    p.CAPS = 5;
    p.AUDO = false;

    c.version = kVersion;
    p.AVAN = 2;
    p.APRE = 4;
    p.LACE = 0;
    p.FOND = 1;

    for (int g = 0; g < TableFavoris::NombreGroupes; ++g)
        c.favoris[g * TableFavoris::TailleGroupe] = TableFavoris::nomParDefaut(g);

    if (!documents.isEmpty())
        c.dossierEnregistrement = documents;
}

void LirePassePrincipale(const QByteArray& texte, ContenuParametres& c, const QStringList& nomsChaines,
                         const std::function<bool(const QString&)>& dossierExiste, Dialogues& dialogues)
{
    c.version = QStringLiteral("Version 1.0");  // a file without VERS comes from version 1.0

    for (const QString& ligne : lignes(texte)) {
        const QString cle = cleDe(ligne);
        if (cle.size() != 5 || cle.at(4) != QLatin1Char('='))
            continue;
        const QString valeur = ligne.mid(5);
        const QStringView nom = QStringView(cle).left(4);

        bool trouve = false;
        for (const Cle& k : kCles) {
            if (nom == QLatin1String(k.nom)) {
                appliquer(k, valeur, c, dossierExiste, dialogues);
                trouve = true;
                break;
            }
        }
        if (trouve)
            continue;

        if (nom == QLatin1String("FAV0")) {
            lireCase(valeur, c.p.FAVO);
        } else if (nom.startsWith(QLatin1String("FAV")) && nom.at(3) >= QLatin1Char('1')
                   && nom.at(3) <= QLatin1Char('8')) {
            // Older files named the eight channels of group 0 this way.
            c.favoris[nom.at(3).unicode() - '0'] = valeur;
        } else if (nom.startsWith(QLatin1String("FA")) && estChiffre(nom.at(2)) && estChiffre(nom.at(3))) {
            const int n = (nom.at(2).unicode() - '0') * 10 + (nom.at(3).unicode() - '0');
            // A slot is kept only while its channel exists. With no channel at all the list
            // tells nothing (a box still starting serves an empty playlist): every name stays as
            // stored, so that the next save does not wipe the favourites out.
            if (nomsChaines.isEmpty() || n % 10 == 0 || nomsChaines.contains(valeur))
                c.favoris[n] = valeur;
        } else if (nom == QLatin1String("PROG")) {
            if (estEntreeProgramme(valeur))
                c.programmes << valeur;
        }
    }
}

void AppliquerMigrations(ContenuParametres& c, Dialogues& dialogues)
{
    // Plain character order, as stored files expect: "Version 1.10" sorts below "Version 1.2".
    const QString& v = c.version;
    Parametres& p = c.p;
    if (v < QLatin1String("Version 1.2")) {
        // The minute lists gained an item at their top.
        p.AVAN = qMin(p.AVAN + 1, kDernierIndexListe);
        p.APRE = qMin(p.APRE + 1, kDernierIndexListe);
    } else if (v < QLatin1String("Version 1.3")) {
        if (p.TSPS == 1 && dialogues.question(kQuestionEncapsulationTS))
            p.TSPS = 2;
    } else if (v < QLatin1String("Version 1.4")) {
        if (!p.INTR && dialogues.question(kQuestionDesentrelacement)) {
            p.INTR = true;
            p.LACE = 0;
        }
    }
}
