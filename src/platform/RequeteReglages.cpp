#include "platform/RequeteReglages.h"

#include <algorithm>

namespace {

bool texteVisible(QByteArrayView texte)
{
    return std::all_of(texte.begin(), texte.end(), [](char c) { return c > ' ' && c < 0x7F; });
}

// "HTTP/1.0", "HTTP/1.1": one digit on each side of the point.
bool versionValide(QByteArrayView version)
{
    auto chiffre = [](char c) { return c >= '0' && c <= '9'; };
    return version.size() == 8 && version.startsWith("HTTP/") && chiffre(version[5]) && version[6] == '.'
           && chiffre(version[7]);
}

constexpr QByteArrayView TEXTE = "text/plain; charset=utf-8";

QByteArray reponse(QByteArrayView statut, QByteArrayView type, const QByteArray& corps)
{
    QByteArray r;
    r.reserve(120 + corps.size());
    r += "HTTP/1.0 ";
    r += statut;
    r += "\r\nContent-Type: ";
    r += type;
    r += "\r\nContent-Length: ";
    r += QByteArray::number(corps.size());
    r += "\r\nConnection: close\r\n\r\n";
    r += corps;
    return r;
}

}  // namespace

RequeteReglages analyserRequeteReglages(QByteArrayView recu)
{
    const QByteArrayView tete = recu.first(std::min(recu.size(), kTailleMaxRequeteReglages));
    const bool limiteAtteinte = recu.size() >= kTailleMaxRequeteReglages;
    const qsizetype finLigne = tete.indexOf('\n');
    if (finLigne < 0)
        return limiteAtteinte ? RequeteReglages::TropLongue : RequeteReglages::Incomplete;

    QByteArrayView ligne = tete.first(finLigne);
    if (ligne.endsWith('\r'))
        ligne.chop(1);
    // Exactly "GET", one space, the target, and optionally one space and the version.
    if (!ligne.startsWith("GET "))
        return RequeteReglages::Invalide;
    QByteArrayView reste = ligne.sliced(4);
    const qsizetype espace = reste.indexOf(' ');
    const QByteArrayView cible = espace < 0 ? reste : reste.first(espace);
    if (cible.isEmpty() || cible[0] != '/' || !texteVisible(cible))
        return RequeteReglages::Invalide;
    if (espace >= 0) {
        if (!versionValide(reste.sliced(espace + 1)))
            return RequeteReglages::Invalide;
        // The head ends at its first empty line.
        const QByteArrayView entetes = tete.sliced(finLigne + 1);
        qsizetype debut = 0;
        for (;;) {
            const qsizetype fin = entetes.indexOf('\n', debut);
            if (fin < 0)
                return limiteAtteinte ? RequeteReglages::TropLongue : RequeteReglages::Incomplete;
            const QByteArrayView entete = entetes.sliced(debut, fin - debut);
            if (entete.isEmpty() || entete == "\r")
                break;
            debut = fin + 1;
        }
    }

    const qsizetype question = cible.indexOf('?');
    const QByteArrayView chemin = question < 0 ? cible : cible.first(question);
    if (chemin == "/settings.html")
        return RequeteReglages::Page;
    if (chemin == "/settings.gif")
        return RequeteReglages::Image;
    return RequeteReglages::Introuvable;
}

QByteArray reponseReglages(RequeteReglages requete, const QByteArray& contenu)
{
    switch (requete) {
    case RequeteReglages::Incomplete:
        return {};
    case RequeteReglages::Page:
        return reponse("200 OK", "text/html", contenu);
    case RequeteReglages::Image:
        return reponse("200 OK", "image/gif", contenu);
    case RequeteReglages::Introuvable:
        return reponse("404 Not Found", TEXTE, "introuvable");
    case RequeteReglages::Invalide:
        return reponse("400 Bad Request", TEXTE, "requête invalide");
    case RequeteReglages::TropLongue:
        return reponse("431 Request Header Fields Too Large", TEXTE, "requête trop longue");
    }
    return {};
}
