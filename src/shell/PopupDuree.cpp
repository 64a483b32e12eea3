#include "shell/PopupDuree.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

PopupDuree::PopupDuree(QWidget* parent) : QFrame(parent)
{
    setObjectName("DuréeFond");
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    auto* ld = new QGridLayout(this);
    texte_ = new QLabel(this);
    texte_->setObjectName("TexteEnreg");
    ld->addWidget(texte_, 0, 0, 1, 4);
    const QStringList legendes = {"x", "0:30", "1:00", "1:30", "2:00", "2:30", "3:00", "3:30", "4:00",
                                  "Annuler la durée définie"};
    const QStringList bulles = {"Fermer le popup de définition de la durée", "Définir une durée de 30 minutes",
                                "Définir une durée d'une heure", "Définir une durée d'une heure et demi",
                                "Définir une durée de 2 heures", "Définir une durée de 2 heures et demi",
                                "Définir une durée de 3 heures", "Définir une durée de 3 heures et demi",
                                "Définir une durée de 4 heures",
                                "Annuler la durée d'enregistrement définie auparavant"};
    for (int i = 0; i < 10; ++i) {
        auto* b = new QPushButton(legendes[i], this);
        b->setObjectName(QString("Durée(%1)").arg(i));
        b->setToolTip(bulles[i]);
        b->setFlat(true);
        // As wide as its caption: the pop-up fits in the window, whatever the style's
        // least button width.
        if (i < 9)
            b->setFixedWidth(b->fontMetrics().horizontalAdvance(legendes[i]) + 16);
        if (i == 0)
            ld->addWidget(b, 0, 4);
        else if (i == 9)
            ld->addWidget(b, 3, 0, 1, 5);
        else
            ld->addWidget(b, 1 + (i - 1) / 4, (i - 1) % 4);
        connect(b, &QPushButton::clicked, this, [this, i] { emit choisi(i); });
        if (i == 9)
            annuler_ = b;
    }
    adjustSize();
    hide();
}

void PopupDuree::afficher(const QString& texte, bool annulerActif, const QPoint& centre)
{
    texte_->setText(texte);
    annuler_->setEnabled(annulerActif);
    adjustSize();
    if (parentWidget())
        move(placerPopup(centre, size(), parentWidget()->size()));
    show();
    raise();
}

QPoint placerPopup(const QPoint& curseur, const QSize& popup, const QSize& fenetre)
{
    // Centred on the pointer and pulled back to the client area's right and bottom edges: the
    // window manager's frame lies outside the client area, nothing is taken off for it.
    int x = curseur.x() - popup.width() / 2;
    int y = curseur.y() - popup.height() / 2;
    x = std::max(0, x);
    y = std::max(0, y);
    if (x + popup.width() > fenetre.width())
        x = fenetre.width() - popup.width();
    if (y + popup.height() > fenetre.height())
        y = fenetre.height() - popup.height();
    return {x, y};
}
