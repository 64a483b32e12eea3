#include "platform/RequeteReglages.h"

#include <QList>

RequeteReglages AnalyserRequeteReglages(const QByteArray& tampon)
{
    RequeteReglages r;
    const qsizetype fin = tampon.indexOf('\n');
    if (fin < 0 || fin > kLongueurMaxRequeteReglages) {
        if (tampon.size() > kLongueurMaxRequeteReglages)
            r.etat = RequeteReglages::Etat::Refusee;
        return r;
    }
    r.etat = RequeteReglages::Etat::Refusee;
    QByteArray ligne = tampon.left(fin);
    if (ligne.endsWith('\r'))
        ligne.chop(1);
    const QList<QByteArray> mots = ligne.split(' ');
    if (mots.size() < 2 || mots.size() > 3 || mots[0] != "GET")
        return r;
    QByteArray chemin = mots[1];
    const qsizetype question = chemin.indexOf('?');
    if (question >= 0)
        chemin.truncate(question);
    if (!chemin.startsWith('/'))
        return r;
    for (const char c : chemin)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return r;
    r.etat = RequeteReglages::Etat::Valide;
    r.chemin = chemin;
    return r;
}
