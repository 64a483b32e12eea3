#pragma once
#include <QString>

class QPushButton;
class QWidget;

// A push button named after its control (tests and the shortcuts find it by that name).
QPushButton* nouveauBouton(QWidget* parent, const char* nom, const QString& texte, const QString& infoBulle = {});

// A toggle's caption in bold shows it on.
void gras(QWidget* w, bool oui);
