#pragma once
#include <QByteArray>
#include <QString>

// A fetched page's bytes as text: UTF-8 when they are valid UTF-8, else Latin-1
// (one character per byte, as older sites send them).
QString DecoderPage(const QByteArray& octets);

// Character entities (&eacute;, &amp;, &#233;, &#xE9;) replaced by their characters;
// an unknown or unfinished entity stays as it stands.
QString DecoderEntites(const QString& texte);

// Markup as plain text: tags dropped, entities decoded, runs of blanks made
// one blank, no blank at either end. A "<" that no ">" closes is kept as text.
QString TexteBrut(const QString& html);
