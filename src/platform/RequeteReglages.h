#pragma once
#include <QByteArray>
#include <QByteArrayView>

// The requests the settings page server answers, judged from the bytes a connection has
// sent so far. Pure: no socket, no file.

// The head of a request (request line and header lines) may not exceed this: anything
// longer is refused, so a client can never make the program hold more than this per
// connection.
inline constexpr qsizetype kTailleMaxRequeteReglages = 4096;

enum class RequeteReglages {
    Incomplete,   // the head has not ended yet and is within the size limit: read on
    Page,         // GET /settings.html
    Image,        // GET /settings.gif
    Introuvable,  // a well-formed GET of anything else (404)
    Invalide,     // not a request line "GET <path>" or "GET <path> HTTP/<d>.<d>" (400)
    TropLongue,   // no end of the head within kTailleMaxRequeteReglages bytes (431)
};

// The request line is judged as soon as it has ended ("\n", with or without "\r" before
// it); a request with a version is complete at the empty line that ends its head, one
// without (the oldest form) at the end of its line. Only the first
// kTailleMaxRequeteReglages bytes of `recu` are ever looked at. A query ("?…") is ignored.
RequeteReglages analyserRequeteReglages(QByteArrayView recu);

// The whole answer (status line, headers, body) for a complete request; `contenu` is the
// file for Page and Image. Incomplete has no answer ("").
QByteArray reponseReglages(RequeteReglages requete, const QByteArray& contenu);
