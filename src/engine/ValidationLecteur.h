#pragma once
#include <QString>

// Checks on everything that reaches the player's command line from outside the program
// (the box's playlist, the user's folders, the settings file). The player reads its
// stream-output chain "#a{b=c,d=e}:f{…}" itself: a "}" or a '"' inside a value ends it
// early even between quotes, so such text must never be placed there.

// A stream address the player may open: a scheme among rtsp, rtp, udp, http, https and
// mms, "://" and something after it, and no control character. Anything else (a local
// file, "vlc://", an option such as "--extraintf=…") is refused.
bool adresseFluxValide(const QString& adresse);

// The text without the characters that are syntax inside a chain or that the player
// unescapes there ({ } , : " \) and without control characters.
QString nettoyerTexteChaine(const QString& texte);

// True when nettoyerTexteChaine would leave the text unchanged.
bool texteChaineValide(const QString& texte);

// An absolute local path ("/…") without control characters.
bool cheminLocalValide(const QString& chemin);

// An absolute local path that may also stand inside a chain (a recording file).
bool cheminChaineValide(const QString& chemin);

// The UDP destination "host:port" of a re-broadcast, from "host" (port 1234) or
// "host:port". The host is letters, digits, ".", "-" and "_"; "" when invalid.
QString cibleDiffusion(const QString& hote);

// The host alone, without a ":port" suffix; "" when invalid as above.
QString hoteSansPort(const QString& hote);
