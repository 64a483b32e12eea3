#include "core/Encodage.h"

#include <cmath>

namespace Encodage {
const QStringList VCOD = {"MPEG 1", "MPEG 2", "MPEG 4", "DIV 1", "DIV 2", "DIV 3",
                          "H 263", "H 264", "WMV 1", "WMV 2", "MJPG", "Theo"};
const QStringList ACOD = {"MPEG 1", "MPEG 2", "MP3", "MPEG 4", "A 52", "VORB", "FLAC", "SPX", "S16L", "FL32"};
const QStringList CAPS = {"MPEG TS", "MPEG PS", "MPEG 1", "Ogg", "ASF", "MP4", "MOV", "WAV", "Raw"};
const QStringList PROFILS = {"Sélectionner un profil pré-défini dans la liste", "Compressé", "Pocket PC",
                             "Audio MP3"};
}  // namespace Encodage

std::optional<ProfilEncodage> ProfilNomme(const QString& nom)
{
    if (nom == QStringLiteral("Compressé"))
        return ProfilEncodage{2, "1024", "100", 3, "128", 1, 5, false};
    if (nom == QStringLiteral("Pocket PC"))
        return ProfilEncodage{2, "256", "41", 3, "64", 0, 5, false};
    if (nom == QStringLiteral("Audio MP3"))
        return ProfilEncodage{2, "1024", "100", 2, "192", 1, 7, true};
    return std::nullopt;
}

void AppliquerProfil(Parametres& p, const ProfilEncodage& profil)
{
    p.VCOD = profil.VCOD;
    p.VDEB = profil.VDEB;
    p.VECH = profil.VECH;
    p.ACOD = profil.ACOD;
    p.ADEB = profil.ADEB;
    p.ACAN = profil.ACAN;
    p.CAPS = profil.CAPS;
    p.AUDO = profil.AUDO;
}

double ValeurNumerique(const QString& texte)
{
    QString t;
    for (const QChar c : texte)
        if (c != u' ' && c != u'\t')
            t += c;
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    const qsizetype debutChiffres = i;
    while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128)
        ++i;
    bool chiffres = i > debutChiffres;
    if (i < t.size() && t[i] == u'.') {
        qsizetype j = i + 1;
        while (j < t.size() && t[j].isDigit() && t[j].unicode() < 128)
            ++j;
        chiffres = chiffres || j > i + 1;
        i = j;
    }
    if (!chiffres)
        return 0;
    bool ok = false;
    QString nombre = t.left(i);
    if (nombre.endsWith(u'.'))
        nombre.chop(1);
    const double v = nombre.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0;
}

QString EstimerTaille(const QString& debitVideo, const QString& debitAudio, bool audioSeul)
{
    const double audio = ValeurNumerique(debitAudio);
    const double debit = audioSeul ? audio : ValeurNumerique(debitVideo) + audio;
    const double taille = std::trunc(debit * 3600.0 / 8192.0);
    return QString::number(qint64(taille)) + QStringLiteral(" Mo");
}

namespace {
bool chiffre(QChar c)
{
    return c >= u'0' && c <= u'9';
}
}  // namespace

Saisie SaisieDebit(const QString& texte)
{
    if (texte.isEmpty())
        return Saisie::Incomplete;
    for (const QChar c : texte)
        if (!chiffre(c))
            return Saisie::Refusee;
    if (texte.size() > 6 || texte.toInt() > Encodage::kDebitMax)
        return Saisie::Refusee;
    return Saisie::Acceptee;
}

Saisie SaisieEchelle(const QString& texte)
{
    if (texte.isEmpty())
        return Saisie::Incomplete;
    int points = 0;
    for (const QChar c : texte) {
        if (c == u'.')
            ++points;
        else if (!chiffre(c))
            return Saisie::Refusee;
    }
    if (points > 1 || texte.size() > 12)
        return Saisie::Refusee;
    if (texte == u".")
        return Saisie::Incomplete;
    if (ValeurNumerique(texte) > Encodage::kEchelleMax)
        return Saisie::Refusee;
    return texte.endsWith(u'.') ? Saisie::Incomplete : Saisie::Acceptee;
}
