#pragma once
// A well-filled data folder for the benchmarks: a long channel list, every settings key,
// ten full favourites groups and 200 schedule entries waiting in the future.
#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QString>

namespace banc {

// "#EXTM3U" then n channels "<n> - Chaîne <n>" on an address nothing answers.
inline QByteArray listeChaines(int n)
{
    QByteArray t = "#EXTM3U\n";
    for (int i = 1; i <= n; ++i) {
        const QByteArray k = QByteArray::number(i);
        t += "#EXTINF:0," + k + " - Chaîne " + k + "\nhttp://127.0.0.1:9/stream/" + k + ".ts\n";
    }
    return t;
}

// No fade-in, no player at start, no web check at start; one entry a day from tomorrow on,
// so that none overlaps another and none is due.
inline QByteArray parametres(const QString& dossier, int chaines)
{
    QString t;
    auto cle = [&t](const QString& nom, const QString& valeur) { t += nom + '=' + valeur + '\n'; };
    cle("VERS", "Version 1.4");
    cle("PATH", dossier + "vlc");
    cle("RECP", dossier + "Enregistrements");
    const char* const cles[][2] = {
        {"AUTR", "0"}, {"AUTP", ""},     {"AUTL", ""},     {"EXEA", "0"}, {"CFGA", "0"}, {"SORT", "0"},
        {"MINI", "0"}, {"MTOP", "1"},    {"UVLC", "0"},    {"FLX1", "0"}, {"FAVI", "0"}, {"AUTO", "0"},
        {"CLAV", "0"}, {"CADR", "1"},    {"MONO", "1"},    {"FOND", "1"}, {"TRAN", "0"}, {"TIME", "0"},
        {"FULL", "0"}, {"OTOP", "0"},    {"DISP", "1"},    {"TVON", "0"}, {"CHA0", "1"}, {"FRPL", "0"},
        {"ORDI", "0"}, {"AVAN", "2"},    {"APRE", "4"},    {"ZOOM", "100"}, {"INTR", "1"}, {"LACE", "0"},
        {"TSPS", "2"}, {"VENC", "0"},    {"VCOD", "2"},    {"VDEB", "1024"}, {"VECH", "100"}, {"ACOD", "3"},
        {"ADEB", "128"}, {"ACAN", "1"},  {"AUDO", "0"},    {"CAPS", "5"}, {"POS0", "0"}, {"POS1", "0"},
        {"POS2", "0"}, {"FAVO", "0"},
    };
    for (const auto& c : cles)
        cle(c[0], c[1]);
    cle("CHA1", QString("Chaîne %1").arg(chaines / 2));
    for (int g = 0; g < 10; ++g) {
        const QString fa = "FA" + QString::number(g);
        cle(fa + "0", QString("Groupe %1").arg(g));
        for (int s = 1; s <= 8; ++s)
            cle(fa + QString::number(s), QString("Chaîne %1").arg((g * 8 + s - 1) % chaines + 1));
        cle(fa + "9", "");
    }
    const QDate demain = QDate::currentDate().addDays(1);
    for (int i = 0; i < 200; ++i) {
        const QString ligne = QString("[A] %1 %2:00 - %2:45 > Chaîne %3 (1)")
                                  .arg(demain.addDays(i).toString("dd/MM/yyyy"))
                                  .arg(8 + i % 12, 2, 10, QChar('0'))
                                  .arg(1 + (i * 37) % chaines);
        cle("PROG", ligne);
    }
    return t.toUtf8();
}

inline bool ecrireFichier(const QString& chemin, const QByteArray& contenu)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(contenu) == contenu.size();
}

// Fills the data folder `dossier` (ending in "/"); the player there is a stand-in that only exits.
inline bool preparerDossier(const QString& dossier, int chaines)
{
    if (!QDir().mkpath(dossier + "Enregistrements") || !QDir().mkpath(dossier + "config"))
        return false;
    if (!ecrireFichier(dossier + "Kelmor.cfg", listeChaines(chaines))
        || !ecrireFichier(dossier + "Kelmor.ini", parametres(dossier, chaines))
        || !ecrireFichier(dossier + "vlc", "#!/bin/sh\nexit 0\n"))
        return false;
    QFile vlc(dossier + "vlc");
    return vlc.setPermissions(vlc.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

}  // namespace banc
