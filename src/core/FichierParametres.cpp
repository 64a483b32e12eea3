#include "core/FichierParametres.h"

#include "core/ClesParametres.h"

#include "platform/FichierAtomique.h"
#include "core/Version.h"
#include "platform/Dialogues.h"

#include <QDate>
#include <QFileInfo>
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

constexpr int kDernierIndexListe = 7;  // last item of AVAN and APRE

// A value never spreads over two lines: a line break in it would start a new key.
QString surUneLigne(QString valeur)
{
    valeur.replace(QLatin1Char('\r'), QLatin1Char(' '));
    valeur.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return valeur;
}

QString valeurEcrite(const CleParametre& cle, const ContenuParametres& c)
{
    const Parametres& p = c.p;
    switch (cle.genre) {
    case GenreCle::Version: return kVersion;
    case GenreCle::Chemin: return c.cheminVLC;
    case GenreCle::Dossier: return c.dossierEnregistrement;
    case GenreCle::Chaine: return c.chaine;
    case GenreCle::Position1: return QString::number(c.pos1);
    case GenreCle::Position2: return QString::number(c.pos2);
    case GenreCle::Case: return (p.*cle.booleen) ? QStringLiteral("1") : QStringLiteral("0");
    case GenreCle::Liste: return QString::number(p.*cle.entier);
    case GenreCle::Encapsulation: return p.TSPS == 1 ? QStringLiteral("1") : QStringLiteral("2");
    case GenreCle::Texte: return (p.*cle.texte).trimmed();
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

// The number written with `n` digits at `debut`; -1 when one of them is not a digit. Read by
// hand: a format parse of the date and times of 200 stored entries is a good part of start-up.
int nombre(QStringView s, qsizetype debut, qsizetype n)
{
    int v = 0;
    for (qsizetype i = debut; i < debut + n; ++i) {
        const char16_t c = s[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        v = v * 10 + (c - u'0');
    }
    return v;
}

// "dd/mm/yyyy", a real date.
bool estDate(QStringView s)
{
    if (s.size() != 10 || s[2] != u'/' || s[5] != u'/')
        return false;
    const int jour = nombre(s, 0, 2), mois = nombre(s, 3, 2), annee = nombre(s, 6, 4);
    return jour >= 0 && mois >= 0 && annee >= 0 && QDate::isValid(annee, mois, jour);
}

// "hh:nn", 00:00 to 23:59.
bool estHeure(QStringView s)
{
    return s.size() == 5 && s[2] == u':' && QTime::isValid(nombre(s, 0, 2), nombre(s, 3, 2), 0);
}

// An entry as stored after "PROG=": marker, "dd/mm/yyyy hh:nn - hh:nn > " at fixed
// columns, the channel name, then " (" letter ")".
bool estEntreeProgramme(const QString& e)
{
    const qsizetype L = e.size();
    if (L < 35)
        return false;
    const QStringView v(e);
    return estDate(v.mid(4, 10)) && estHeure(v.mid(15, 5)) && estHeure(v.mid(23, 5))
           && QStringLiteral("1QLHM").contains(e.at(L - 2));
}

void appliquer(const CleParametre& cle, const QString& valeur, ContenuParametres& c,
               const std::function<bool(const QString&)>& dossierExiste, Dialogues& dialogues)
{
    Parametres& p = c.p;
    switch (cle.genre) {
    case GenreCle::Version: c.version = valeur; break;
    case GenreCle::Chemin: c.cheminVLC = valeur.trimmed(); break;
    case GenreCle::Dossier: {
        const QString dossier = valeur.trimmed();
        if (!dossier.isEmpty() && dossierExiste && dossierExiste(dossier))
            c.dossierEnregistrement = dossier;
        else
            // Said once start-up is over: nothing of start-up waits for the click.
            dialogues.quandLibre([&dialogues] { dialogues.exclamation(kMessageDossierEnregistrementAbsent); });
        break;
    }
    case GenreCle::Chaine: c.chaine = valeur; break;
    case GenreCle::Position1: entier(valeur, c.pos1); break;
    case GenreCle::Position2: entier(valeur, c.pos2); break;
    case GenreCle::Case: lireCase(valeur, p.*cle.booleen); break;
    case GenreCle::Liste: lireBorne(valeur, p.*cle.entier, cle.min, cle.max); break;
    case GenreCle::Encapsulation: lireBorne(valeur, p.TSPS, 1, 2); break;
    case GenreCle::Texte: p.*cle.texte = valeur; break;
    }
}

}  // namespace

QByteArray TexteParametres(const ContenuParametres& c)
{
    QString t;
    t.reserve(8192);
    for (const CleParametre& cle : ClesParametres())
        t += QLatin1String(cle.nom) + QLatin1Char('=') + surUneLigne(valeurEcrite(cle, c)) + QLatin1Char('\n');
    for (int g = 0; g < TableFavoris::NombreGroupes; ++g)
        for (int s = 0; s < TableFavoris::TailleGroupe - 1; ++s)
            t += QStringLiteral("FA") + QString::number(g) + QString::number(s) + QLatin1Char('=')
                 + surUneLigne(c.favoris.at(g * TableFavoris::TailleGroupe + s)) + QLatin1Char('\n');
    for (const QString& entree : c.programmes)
        t += QStringLiteral("PROG=") + surUneLigne(entree) + QLatin1Char('\n');
    return t.toUtf8();
}

FichierParametresConnu ConnaitreFichierParametres(const QString& chemin, const QByteArray& texte)
{
    const QFileInfo fichier(chemin);
    if (!fichier.isFile())
        return {};
    return {texte, fichier.size(), fichier.lastModified()};
}

bool EcrireFichierParametres(const QString& chemin, const ContenuParametres& c, FichierParametresConnu* connu)
{
    const QByteArray texte = TexteParametres(c);
    if (connu && connu->modification.isValid() && connu->texte == texte) {
        const QFileInfo fichier(chemin);
        if (fichier.isFile() && fichier.size() == connu->taille && fichier.lastModified() == connu->modification)
            return true;
    }
    if (!ecrireFichierAtomique(chemin, texte))
        return false;
    if (connu)
        *connu = ConnaitreFichierParametres(chemin, texte);
    return true;
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

QStringList ChainesUtilisees(const QByteArray& texte)
{
    QStringList noms;
    const auto ajouter = [&noms](const QString& nom) {
        if (!nom.isEmpty() && !noms.contains(nom))
            noms << nom;
    };
    for (const QString& ligne : lignes(texte)) {
        const QString cle = cleDe(ligne);
        const QString valeur = ligne.mid(5);
        if (cle == QLatin1String("CHA1=")) {
            ajouter(valeur);
        } else if (cle.startsWith(QLatin1String("FAV")) && cle.at(3) >= QLatin1Char('1') && cle.at(3) <= QLatin1Char('8')
                   && cle.at(4) == QLatin1Char('=')) {
            ajouter(valeur);
        } else if (cle.startsWith(QLatin1String("FA")) && estChiffre(cle.at(2)) && estChiffre(cle.at(3))
                   && cle.at(4) == QLatin1Char('=')) {
            if (cle.at(3) != QLatin1Char('0'))  // slot 0 names the group
                ajouter(valeur);
        } else if (cle == QLatin1String("PROG=") && estEntreeProgramme(valeur) && valeur.at(1) != QLatin1Char('X')) {
            ajouter(valeur.mid(31, valeur.size() - 35));
        }
    }
    return noms;
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

    // As the folder list gives a path: no final "/" (the root keeps its own).
    QString dossier = documents;
    while (dossier.size() > 1 && dossier.endsWith(QLatin1Char('/')))
        dossier.chop(1);
    if (!dossier.isEmpty())
        c.dossierEnregistrement = dossier;
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
        for (const CleParametre& k : ClesParametres()) {
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
        if (p.TSPS == 1)
            dialogues.question(kQuestionEncapsulationTS, Suite<bool>([&p](bool oui) {
                if (oui && p.TSPS == 1)
                    p.TSPS = 2;
            }));
    } else if (v < QLatin1String("Version 1.4")) {
        if (!p.INTR)
            dialogues.question(kQuestionDesentrelacement, Suite<bool>([&p](bool oui) {
                if (oui && !p.INTR) {
                    p.INTR = true;
                    p.LACE = 0;
                }
            }));
    }
}
