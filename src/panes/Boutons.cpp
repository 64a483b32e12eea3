#include "panes/Boutons.h"

#include <QPushButton>

void gras(QWidget* w, bool oui)
{
    QFont f = w->font();
    f.setBold(oui);
    w->setFont(f);
}

QPushButton* nouveauBouton(QWidget* parent, const char* nom, const QString& texte, const QString& infoBulle)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(QString::fromUtf8(nom));
    if (!infoBulle.isEmpty())
        b->setToolTip(infoBulle);
    return b;
}
