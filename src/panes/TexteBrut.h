#pragma once
#include <QString>

// Text from outside (a channel's name, a guide's title, a file or folder name) as a control
// shows it, character for character. Labels take it as Qt::PlainText; these are for the
// places that have no such switch.
//
// A button's caption: an "&" marks no shortcut.
QString legendeBrute(const QString& texte);
// A tool tip, read as markup whenever it looks like markup: a tag shows as its characters.
QString infoBulleBrute(const QString& texte);
// A window's title, where "[*]" would stand for the modified mark.
QString titreBrut(const QString& texte);
