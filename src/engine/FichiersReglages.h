#pragma once
#include <QByteArray>
#include <QString>

// The settings page that the box's player feature fetches while a channel is sent to the
// television: "settings.html" and its picture "settings.gif", served from the data folder.

// The three lines of "settings.html", each ending with CR LF (the box reads them so).
// `adresseLecteur` is the address of the box's player feature ("host" or "host:port"; the
// port is not used here); `portReglages` is the port the page is served on. Empty when that
// address is invalid (see cibleDiffusion).
QByteArray PageReglagesHtml(const QString& adresseLecteur, quint16 portReglages);

// "settings.gif": a 32 x 32 GIF picture.
QByteArray ImageReglages();

// Writes both files into `dossierProgramme` (with its final "/"), each replaced whole.
// False when the address is invalid or a file cannot be written.
bool EcrirePageReglages(const QString& dossierProgramme, const QString& adresseLecteur, quint16 portReglages);
