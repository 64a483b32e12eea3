#pragma once
#include <QByteArray>

// Longest request line the settings page reads: a longer one is refused at once.
inline constexpr qsizetype kLongueurMaxRequeteReglages = 4096;

// What the start of a request to the settings page holds.
struct RequeteReglages {
    enum class Etat {
        Incomplete,  // the request line has no end yet: wait for more
        Valide,      // a GET with the path in `chemin`
        Refusee,     // too long, another method, or a path that is not one
    };
    Etat etat = Etat::Incomplete;
    QByteArray chemin;  // "/settings.html", without what follows a "?"; only when Valide
};

// Reads the request line ("GET <path> HTTP/1.x", LF or CR LF) at the start of what a
// client has sent so far.
RequeteReglages AnalyserRequeteReglages(const QByteArray& tampon);
