#pragma once
#include <QString>

// Checks on everything that reaches the player's command line from outside the program
// (the box's playlist, the user's folders, the settings file). The player reads its
// stream-output chain "#a{b=c,d=e}:f{…}" itself. A value between double quotes may hold
// "," ":" "=" and spaces; inside it a backslash escapes '"', "'" and "\". The player removes
// one level of escapes for each element the value is nested in, and while it looks for
// the end of an element "x{…}" it counts every "{" and "}" even between quotes: a path with
// braces that do not pair cannot stand in a nested element. Texts that are not quoted
// (channel names in file names, numbers) never carry chain syntax.

// A stream address the player may open: a scheme among rtsp, rtp, udp, http, https and
// mms, "://" and something after it, and no control character. Anything else (a local
// file, "vlc://", an option such as "--extraintf=…") is refused.
bool adresseFluxValide(const QString& adresse);

// The text without the characters that are syntax inside a chain or that the player
// unescapes there ({ } , : " \) and without control characters.
QString nettoyerTexteChaine(const QString& texte);

// An absolute local path ("/…") without control characters.
bool cheminLocalValide(const QString& chemin);

// An absolute local path that can stand quoted in a chain element nested `niveaux` deep
// (1: "#std{…,dst=…}"; 2: "#duplicate{dst=std{…,dst=…}}"): no control character, and from
// two levels on its braces in pairs, each "{" closed by a later "}".
bool cheminCitable(const QString& chemin, int niveaux);

// That path as the quoted value for such an element: '"', escapes once per level, '"'.
// "" when it cannot be quoted there (see cheminCitable).
QString cheminCite(const QString& chemin, int niveaux);

// The UDP destination "host:port" of a re-broadcast, from "host" (port 1234) or
// "host:port". The host is letters, digits, ".", "-" and "_"; "" when invalid.
QString cibleDiffusion(const QString& hote);

// The host alone, without a ":port" suffix; "" when invalid as above.
QString hoteSansPort(const QString& hote);
