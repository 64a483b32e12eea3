#include "panes/PanneauFavoris.h"

#include "core/ReglesFavoris.h"
#include "panes/TexteBrut.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton* creerBouton(QWidget* parent, const QString& nom, const QString& texte, const QString& infoBulle)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    b->setToolTip(infoBulle);
    return b;
}

std::array<QPushButton*, 9> creerFavoris(QWidget* parent)
{
    std::array<QPushButton*, 9> f{};
    for (int i = 0; i < 9; ++i) {
        f[i] = creerBouton(parent, QStringLiteral("Favori(%1)").arg(i), {}, i == 0 ? kInfoBulleFavori0 : kInfoBulleFavori);
        f[i]->setIconSize(QSize(LogosFavoris::Largeur, LogosFavoris::Hauteur) * 7 / 8);
        // The frame has the channel list's size: the buttons share it, whatever the pictures.
        f[i]->setMinimumSize(1, 1);
        f[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    }
    return f;
}
}  // namespace

PanneauFavoris::PanneauFavoris(QWidget* parent)
    : QFrame(parent),
      FavorisListe(new QComboBox(this)),
      FavorisNumero(new QLabel(QStringLiteral("0"), this)),
      FavorisM(creerBouton(this, QStringLiteral("FavorisM"), QStringLiteral("◀"), kInfoBulleFavorisM)),
      FavorisP(creerBouton(this, QStringLiteral("FavorisP"), QStringLiteral("▶"), kInfoBulleFavorisP)),
      Favori(creerFavoris(this))
{
    setObjectName(QStringLiteral("Favoris"));
    FavorisListe->setObjectName(QStringLiteral("FavorisListe"));
    FavorisListe->setToolTip(kInfoBulleFavorisListe);
    FavorisListe->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    FavorisListe->setMinimumContentsLength(4);
    FavorisNumero->setObjectName(QStringLiteral("FavorisNuméro"));
    FavorisNumero->setAlignment(Qt::AlignCenter);
    for (QPushButton* b : {FavorisM, FavorisP})
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(b->text()) + 12);

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(2, 2, 2, 2);
    colonne->setSpacing(2);
    auto* groupe = new QHBoxLayout;
    groupe->setSpacing(2);
    groupe->addWidget(FavorisM);
    groupe->addWidget(FavorisListe, 1);
    groupe->addWidget(FavorisP);
    groupe->addWidget(FavorisNumero);
    colonne->addLayout(groupe);
    auto* grille = new QGridLayout;
    grille->setSpacing(2);
    grille->addWidget(Favori[0], 0, 0, 1, 2);
    for (int i = 1; i <= 8; ++i)
        grille->addWidget(Favori[i], 1 + (i - 1) / 2, (i - 1) % 2);
    for (int r = 0; r < 5; ++r)
        grille->setRowStretch(r, 1);
    colonne->addLayout(grille, 1);

    connect(FavorisListe, &QComboBox::currentIndexChanged, this, [this](int g) {
        if (!parCode_ && g >= 0)
            emit groupeChoisi(g);
    });
    for (int i = 0; i < 9; ++i) {
        connect(Favori[i], &QPushButton::clicked, this, [this, i] { emit favoriClique(i); });
        Favori[i]->installEventFilter(this);
    }
    for (int i = 0; i < 9; ++i)
        AfficherLogoFavori({}, i);
}

void PanneauFavoris::definirDossierLogos(const QString& dossier)
{
    logos_.definirDossier(dossier);
}

void PanneauFavoris::definirGroupes(const QStringList& noms)
{
    parCode_ = true;
    const int g = FavorisListe->currentIndex();
    FavorisListe->clear();
    FavorisListe->addItems(noms);
    FavorisListe->setCurrentIndex(g < 0 ? 0 : qMin(g, FavorisListe->count() - 1));
    parCode_ = false;
}

void PanneauFavoris::afficherGroupe(int g, const QStringList& noms)
{
    parCode_ = true;
    FavorisListe->setCurrentIndex(g);
    parCode_ = false;
    FavorisNumero->setText(QString::number(g));
    for (int i = 1; i <= 8; ++i)
        AfficherLogoFavori(noms.value(i - 1), i);
}

void PanneauFavoris::AfficherLogoFavori(const QString& Nom, int Index)
{
    if (Index < 0 || Index > 8)
        return;
    const QString cle = CleLogoFavori(Nom);
    const QPixmap logo = logos_.logo(cle);
    QPushButton* b = Favori[Index];
    if (logo.isNull()) {
        b->setIcon({});
        legendes_[Index] = cle;
    } else {
        b->setIcon(QIcon(logo));
        legendes_[Index].clear();
    }
    poserLegende(Index);
}

void PanneauFavoris::poserLegende(int Index)
{
    QPushButton* b = Favori[Index];
    const QString& texte = legendes_[Index];
    const int place = b->width() - 8;
    if (b->fontMetrics().horizontalAdvance(texte) <= place || !texte.contains(QLatin1Char(' '))) {
        b->setText(legendeBrute(texte));
        return;
    }
    // Break at the blank nearest the middle.
    int coupure = -1;
    for (int i = 0; i < texte.size(); ++i)
        if (texte[i] == QLatin1Char(' ') && (coupure < 0 || qAbs(i - texte.size() / 2) < qAbs(coupure - texte.size() / 2)))
            coupure = i;
    b->setText(legendeBrute(texte.left(coupure) + QLatin1Char('\n') + texte.mid(coupure + 1)));
}

void PanneauFavoris::resizeEvent(QResizeEvent* e)
{
    QFrame::resizeEvent(e);
    for (int i = 0; i < 9; ++i)
        poserLegende(i);
}

QString PanneauFavoris::legende(int Index) const
{
    return legendes_.at(Index);
}

bool PanneauFavoris::montreImage(int Index) const
{
    return !Favori.at(Index)->icon().isNull();
}

int PanneauFavoris::indexDe(const QObject* objet) const
{
    for (int i = 0; i < 9; ++i)
        if (Favori[i] == objet)
            return i;
    return -1;
}

int PanneauFavoris::favoriSous(const QPoint& global) const
{
    if (QWidget* dessous = QApplication::widgetAt(global)) {
        for (QWidget* w = dessous; w; w = w->parentWidget())
            if (const int i = indexDe(w); i >= 0)
                return i;
        return -1;
    }
    // Where the window system cannot tell which window lies there, the frame's own layout does.
    if (QWidget* w = childAt(mapFromGlobal(global)))
        return indexDe(w);
    return -1;
}

bool PanneauFavoris::eventFilter(QObject* objet, QEvent* e)
{
    const int i = indexDe(objet);
    if (i < 0 || (e->type() != QEvent::MouseButtonPress && e->type() != QEvent::MouseButtonRelease))
        return QFrame::eventFilter(objet, e);
    auto* souris = static_cast<QMouseEvent*>(e);
    if (souris->button() != Qt::RightButton)
        return QFrame::eventFilter(objet, e);
    if (e->type() == QEvent::MouseButtonPress) {
        Favori[i]->setCursor(Qt::DragMoveCursor);
        emit glissementCommence(i);
    } else {
        for (QPushButton* b : Favori)
            b->unsetCursor();
        emit glissementTermine(favoriSous(souris->globalPosition().toPoint()));
    }
    return true;
}
