#pragma once
// The players' asynchronous reports, waited for by letting the event loop run (tests only).
#include "platform/reel/LecteursVlc.h"
#include "support/Attente.h"

#include <memory>
#include <optional>

// What the player's control interface answered to one command; "" when nothing came.
inline QString commandeAttendue(LecteursVlc& lecteurs, RoleLecteur role, const QString& ligne, int attenteMs = 1000)
{
    auto reponse = std::make_shared<std::optional<QString>>();
    lecteurs.commande(role, ligne, Suite<QString>([reponse](QString texte) { *reponse = std::move(texte); }), attenteMs);
    attendreQue([&] { return reponse->has_value(); }, LecteursVlc::kAttenteToucheMs + attenteMs + 5000);
    return reponse->value_or(QString());
}

// Whether the player took the key.
inline bool toucheAttendue(LecteursVlc& lecteurs, RoleLecteur role, const QString& action)
{
    auto recu = std::make_shared<std::optional<bool>>();
    lecteurs.envoyerTouche(role, action, Suite<bool>([recu](bool r) { *recu = r; }));
    attendreQue([&] { return recu->has_value(); }, LecteursVlc::kAttenteToucheMs + 5000);
    return recu->value_or(false);
}

// Closes the player of that role (every player with no role given) and waits for the end
// to be told. False when it was not told in time.
inline bool fermetureAttendue(LecteursVlc& lecteurs, std::optional<RoleLecteur> role = std::nullopt)
{
    auto fin = std::make_shared<bool>(false);
    if (role)
        lecteurs.fermer(*role, Suite<>([fin] { *fin = true; }));
    else
        lecteurs.fermerTous(Suite<>([fin] { *fin = true; }));
    return attendreQue([&] { return *fin; },
                       LecteursVlc::kAttentePolieMs + LecteursVlc::kAttenteForceeMs + 5000);
}
