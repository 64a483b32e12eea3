#include "panes/VoletAfficher.h"

#include "panes/Boutons.h"

#include "panes/Pictogrammes.h"

#include <QBuffer>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLinearGradient>
#include <QLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace {
const QString kInfoBulleTuile = QStringLiteral("Clic gauche pour regarder / Clic droit pour afficher");
const QColor kFondVide(24, 24, 28);
const QColor kRouge(220, 0, 0);

QPushButton* creerBouton(QWidget* parent, const char* nom, const QString& texte, const QString& infoBulle = {})
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(QString::fromUtf8(nom));
    if (!infoBulle.isEmpty())
        b->setToolTip(infoBulle);
    return b;
}

std::array<QPushButton*, 10> creerGroupes(QWidget* parent)
{
    std::array<QPushButton*, 10> groupes{};
    for (int i = 0; i < 10; ++i) {
        const QByteArray nom = "MosaFavo" + QByteArray::number(i);
        groupes[std::size_t(i)] = creerBouton(parent, nom.constData(), QString::number(i));
        groupes[std::size_t(i)]->setFocusPolicy(Qt::NoFocus);
        groupes[std::size_t(i)]->setMinimumWidth(0);
    }
    return groupes;
}

// Pictures, not characters: they show with whatever fonts the desktop has.
QPushButton* creerBoutonRangee(QWidget* parent, const char* nom, Pictogramme image, const char* infoBulle, int face = 0)
{
    auto* b = creerBouton(parent, nom, QString(), QString::fromUtf8(infoBulle));
    b->setFixedSize(VoletAfficher::HauteurRangee, VoletAfficher::HauteurRangee);
    b->setIcon(FacesPictogramme(image)[std::size_t(face)]);
    b->setIconSize(QSize(20, 20));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QPushButton* creerIcone(QWidget* parent, const char* nom, Pictogramme image, const char* infoBulle, int x, int y,
                        int face = 0)
{
    auto* b = creerBouton(parent, nom, QString(), QString::fromUtf8(infoBulle));
    b->setGeometry(x * 16, y * 16, 16, 16);
    b->setIcon(FacesPictogramme(image)[std::size_t(face)]);
    b->setIconSize(QSize(12, 12));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QSlider* creerTaille(QWidget* parent)
{
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(QStringLiteral("SizeBar2"));
    s->setToolTip(QStringLiteral(" Régler la taille de la fenêtre "));
    s->setRange(35, 500);
    s->setValue(100);
    s->setSingleStep(1);
    s->setPageStep(10);
    s->setFocusPolicy(Qt::NoFocus);
    s->setGeometry(32, 0, 80, 18);
    return s;
}

QSlider* creerVolume(QWidget* parent)
{
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(QStringLiteral("Volume2"));
    s->setToolTip(QStringLiteral(" Régler le volume sonore "));
    s->setRange(0, 200);
    s->setValue(100);
    s->setSingleStep(1);
    s->setPageStep(10);
    s->setFocusPolicy(Qt::NoFocus);
    return s;
}

std::array<TuileMosaic*, 8> creerTuiles(QWidget* parent)
{
    std::array<TuileMosaic*, 8> t{};
    for (int i = 0; i < 8; ++i)
        t[std::size_t(i)] = new TuileMosaic(i + 1, parent);
    return t;
}

// The waiting picture as a widget of its own (a native window over the video's).
class ImageAttente : public QWidget {
public:
    explicit ImageAttente(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("Waiting"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        PeindreAttente(p, rect());
    }
};
}  // namespace

void PeindreAttente(QPainter& p, const QRect& zone)
{
    QLinearGradient degrade(zone.topLeft(), zone.bottomLeft());
    degrade.setColorAt(0, QColor(16, 32, 64));
    degrade.setColorAt(1, QColor(4, 8, 20));
    p.fillRect(zone, degrade);
    p.setRenderHint(QPainter::Antialiasing);
    // A small screen with three dots: the channel is on its way.
    const int l = std::max(12, std::min(zone.width(), zone.height() * 4 / 3) / 4);
    const QRect ecran(zone.center().x() - l / 2, zone.center().y() - l * 3 / 8 - l / 6, l, l * 3 / 4);
    p.setPen(QPen(QColor(170, 190, 230), std::max(1, l / 20)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(ecran, l / 10.0, l / 10.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 190, 230));
    const int r = std::max(1, l / 16);
    for (int i = -1; i <= 1; ++i)
        p.drawEllipse(QPoint(ecran.center().x() + i * 3 * r, ecran.center().y()), r, r);
    if (zone.height() >= 80) {
        // Whole or not at all: a mosaic tile is too narrow for it.
        const QString texte = QStringLiteral("Connexion à la chaîne…");
        QFont f = p.font();
        f.setPointSizeF(std::max(7.0, zone.height() / 28.0));
        if (QFontMetrics(f).horizontalAdvance(texte) <= zone.width() - 8) {
            p.setFont(f);
            p.setPen(QColor(200, 210, 235));
            p.drawText(QRect(zone.left(), ecran.bottom() + l / 6, zone.width(), zone.height() / 5),
                       Qt::AlignHCenter | Qt::AlignTop, texte);
        }
    }
}

TuileMosaic::TuileMosaic(int index, QWidget* parent) : QWidget(parent), index_(index)
{
    setObjectName(QStringLiteral("Mosaic(%1)").arg(index));
    setToolTip(kInfoBulleTuile);
    setMinimumSize(40, 30);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TuileMosaic::afficher(const TuileMosaique& tuile)
{
    contenu_ = tuile.contenu;
    image_ = QPixmap();
    if (contenu_ == TuileMosaique::Contenu::Image) {
        // Decoded at the tile's size: a full-size picture would hold the window several
        // milliseconds for nothing.
        QBuffer octets;
        octets.setData(tuile.image);
        QImageReader lecteur(&octets);
        const QSize taille = lecteur.size();
        const QSize tuileEnPixels = size() * devicePixelRatio();
        if (taille.isValid() && taille.width() > tuileEnPixels.width() && taille.height() > tuileEnPixels.height())
            lecteur.setScaledSize(taille.scaled(tuileEnPixels, Qt::KeepAspectRatioByExpanding));
        image_ = QPixmap::fromImage(lecteur.read());
        if (image_.isNull())
            contenu_ = TuileMosaique::Contenu::Vide;  // an unreadable picture: the blank tile
    }
    update();
}

void TuileMosaic::definirNom(const QString& nom)
{
    nom_ = nom;
    update();
}

void TuileMosaic::definirRouge(bool rouge)
{
    if (rouge_ == rouge)
        return;
    rouge_ = rouge;
    update();
}

void TuileMosaic::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect zone = rect();
    switch (contenu_) {
    case TuileMosaique::Contenu::Vide:
        p.fillRect(zone, kFondVide);
        break;
    case TuileMosaique::Contenu::Attente:
        PeindreAttente(p, zone);
        break;
    case TuileMosaique::Contenu::Image: {
        p.fillRect(zone, Qt::black);
        const QSize taille = image_.size().scaled(zone.size(), Qt::KeepAspectRatio);
        QRect cible(QPoint(), taille);
        cible.moveCenter(zone.center());
        p.drawPixmap(cible, image_);
        break;
    }
    }
    if (!nom_.isEmpty()) {
        QFont f = p.font();
        f.setPointSizeF(7.5);
        p.setFont(f);
        const QRect texte = p.fontMetrics().boundingRect(nom_).adjusted(-3, -1, 3, 1);
        const QRect cartouche(zone.left() + 2, zone.top() + 2, std::min(texte.width(), zone.width() - 4), texte.height());
        p.fillRect(cartouche, QColor(0, 0, 0, 150));
        p.setPen(Qt::white);
        p.drawText(cartouche, Qt::AlignCenter, p.fontMetrics().elidedText(nom_, Qt::ElideRight, cartouche.width() - 4));
    }
    if (rouge_) {
        p.setPen(QPen(kRouge, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(zone.adjusted(1, 1, -2, -2));
    }
}

void TuileMosaic::mouseReleaseEvent(QMouseEvent* e)
{
    if (rect().contains(e->position().toPoint()))
        emit relachee(index_, e->button());
    e->accept();
}

VoletAfficher::VoletAfficher(QWidget* parent)
    : QFrame(parent),
      AfficherOnglets(new QTabBar(this)),
      FondActiveX(new QWidget),
      Waiting(new ImageAttente(FondActiveX)),
      FondMosaic(new QWidget),
      Mosaic(creerTuiles(FondMosaic)),
      MosaFavo(creerGroupes(FondMosaic)),
      FondFichiers(new QWidget),
      AfficherListe(new QListWidget(FondFichiers)),
      AfficherRegarder(creerBouton(FondFichiers, "AfficherRegarder", QStringLiteral("Regarder"))),
      AfficherEffacer(creerBouton(FondFichiers, "AfficherEffacer", QStringLiteral("Effacer"))),
      AfficherTout(creerBouton(FondFichiers, "AfficherTout", QStringLiteral("Tout effacer"))),
      AfficherAutres(creerBouton(FondFichiers, "AfficherAutres", QStringLiteral("Regarder un fichier externe"))),
      AfficherRefresh(creerBouton(FondFichiers, "AfficherRefresh", QStringLiteral("Actualiser"),
                                  QStringLiteral("Relire le dossier d'enregistrement"))),
      TV2(creerBouton(FondFichiers, "TV2", QStringLiteral("TV"),
                      QStringLiteral("Afficher l'enregistrement sur la télévision avec FreePlayer"))),
      FondActiveX2(new QFrame(FondActiveX)),
      Mini2(creerBoutonRangee(FondActiveX2, "Mini2", Pictogramme::MiniEcran, " Entrer/sortir du mode mini-écran ")),
      Full2(creerBoutonRangee(FondActiveX2, "Full2", Pictogramme::PleinEcran,
                              " Regarder la chaîne en plein écran / mode fenêtre ")),
      TopR2(creerBoutonRangee(FondActiveX2, "TopR2", Pictogramme::AuDessus, " Placer Kelmor toujours au-dessus ")),
      ChaineM2(creerBoutonRangee(FondActiveX2, "ChaîneM2", Pictogramme::Precedente, " Passer à la chaîne précédente ")),
      ChaineP2(creerBoutonRangee(FondActiveX2, "ChaîneP2", Pictogramme::Suivante, " Passer à la chaîne suivante ")),
      Rec2(creerBoutonRangee(FondActiveX2, "Rec2", Pictogramme::Enregistrer,
                             " Enregistrer cette chaîne / Stopper l'enregistrement ")),
      Snap2(creerBoutonRangee(FondActiveX2, "Snap2", Pictogramme::Photo, " Photographier l'image affichée ")),
      Mute2(creerBoutonRangee(FondActiveX2, "Mute2", Pictogramme::Son, " Couper le son ")),
      Volume2(creerVolume(FondActiveX2)),
      SizeBar(new QFrame(FondActiveX)),
      SizeBar0(creerIcone(SizeBar, "SizeBar0", Pictogramme::Ruban, " Ouvrir le ruban de commande ", 0, 0)),
      SizeBarF(creerIcone(SizeBar, "SizeBarF", Pictogramme::PleinEcran,
                          " Regarder la chaîne en plein écran / mode fenêtre ", 1, 0)),
      SizeBar2(creerTaille(SizeBar)),
      // In the mini-screen: the mini-screen's "on" face, to leave it.
      SizeBar1(creerIcone(SizeBar, "SizeBar1", Pictogramme::MiniEcran, " Quitter le mode mini-écran ", 0, 1, 1)),
      SizeBarTop(creerIcone(SizeBar, "SizeBarTop", Pictogramme::AuDessus, " Placer Kelmor toujours au-dessus ", 1, 1)),
      SizeBarM(creerIcone(SizeBar, "SizeBarM", Pictogramme::Precedente, " Passer à la chaîne précédente ", 2, 1)),
      SizeBarP(creerIcone(SizeBar, "SizeBarP", Pictogramme::Suivante, " Passer à la chaîne suivante ", 3, 1)),
      SizeBarRec(creerIcone(SizeBar, "SizeBarRec", Pictogramme::Enregistrer,
                            " Enregistrer cette chaîne / Stopper l'enregistrement ", 4, 1)),
      SizeBarSnap(creerIcone(SizeBar, "SizeBarSnap", Pictogramme::Photo, " Photographier l'image affichée ", 5, 1)),
      SizeBarMute(creerIcone(SizeBar, "SizeBarMute", Pictogramme::Son, " Couper le son ", 6, 1)),
      Mini2B(FacesPictogramme(Pictogramme::MiniEcran)),
      Full2B(FacesPictogramme(Pictogramme::PleinEcran)),
      TopR2B(FacesPictogramme(Pictogramme::AuDessus)),
      Rec2B(FacesPictogramme(Pictogramme::Enregistrer)),
      Mute2B(FacesPictogramme(Pictogramme::Son)),
      SizeBar0B(FacesPictogramme(Pictogramme::Ruban)),
      SizeBarFB(Full2B),
      SizeBarTopB(TopR2B),
      SizeBarRecB(Rec2B),
      SizeBarMuteB(Mute2B)
{
    setObjectName(QStringLiteral("Fond1b"));
    AfficherOnglets->setObjectName(QStringLiteral("AfficherOnglets"));
    for (const char* titre : {"Direct", "Mosaïque", "Vidéos", "Photos"})
        AfficherOnglets->addTab(QString::fromUtf8(titre));
    AfficherOnglets->setExpanding(true);

    FondActiveX->setObjectName(QStringLiteral("FondActiveX"));
    FondActiveX->setAutoFillBackground(true);
    FondActiveX->installEventFilter(this);
    Waiting->hide();

    FondActiveX2->setObjectName(QStringLiteral("FondActiveX2"));
    FondActiveX2->setAutoFillBackground(true);
    FondActiveX2->setPalette(palette());
    auto* rangee = new QHBoxLayout(FondActiveX2);
    rangee->setContentsMargins(0, 0, 0, 0);
    rangee->setSpacing(0);
    // Three groups, as on the remote: the window, the channel, the picture and the sound.
    for (QPushButton* b : {Mini2, Full2, TopR2})
        rangee->addWidget(b);
    rangee->addSpacing(8);
    for (QPushButton* b : {ChaineM2, ChaineP2})
        rangee->addWidget(b);
    rangee->addSpacing(8);
    for (QPushButton* b : {Rec2, Snap2, Mute2})
        rangee->addWidget(b);
    rangee->addWidget(Volume2, 1);
    SizeBar->setObjectName(QStringLiteral("SizeBar"));
    SizeBar->setAutoFillBackground(true);
    SizeBar->setPalette(palette());
    SizeBar->hide();
    // Each icon has exactly the effect of its twin.
    const std::pair<QPushButton*, QPushButton*> jumeaux[] = {{SizeBarTop, TopR2},   {SizeBarM, ChaineM2},
                                                             {SizeBarP, ChaineP2},  {SizeBarRec, Rec2},
                                                             {SizeBarSnap, Snap2},  {SizeBarMute, Mute2}};
    for (const auto& [icone, jumeau] : jumeaux)
        connect(icone, &QPushButton::clicked, jumeau, [jumeau = jumeau] { emit jumeau->clicked(); });
    connect(SizeBar0, &QPushButton::clicked, this, [this] { plierRuban(!rubanOuvert_); });
    connect(SizeBar2, &QSlider::valueChanged, this, [this](int v) {
        if (!parCode_)
            emit sizeBar2Change(v);
    });
    connect(Volume2, &QSlider::valueChanged, this, [this](int v) {
        if (!parCode_)
            emit volume2Change(v);
    });

    FondMosaic->setObjectName(QStringLiteral("FondMosaic"));
    auto* grille = new QGridLayout(FondMosaic);
    grille->setContentsMargins(2, 2, 2, 2);
    grille->setSpacing(3);
    for (int i = 0; i < 8; ++i) {
        grille->addWidget(Mosaic[std::size_t(i)], i / 4, i % 4);
        connect(Mosaic[std::size_t(i)], &TuileMosaic::relachee, this, &VoletAfficher::tuileRelachee);
    }
    // The favourites groups' buttons under the tiles.
    auto* groupes = new QHBoxLayout;
    groupes->setSpacing(1);
    for (int i = 0; i < 10; ++i) {
        groupes->addWidget(MosaFavo[std::size_t(i)]);
        connect(MosaFavo[std::size_t(i)], &QPushButton::clicked, this, [this, i] { emit MosaFavo_Click(i); });
    }
    grille->addLayout(groupes, 2, 0, 1, 4);
    afficherGroupeMosaique(0);

    FondFichiers->setObjectName(QStringLiteral("FondFichiers"));
    AfficherListe->setObjectName(QStringLiteral("AfficherListe"));
    AfficherListe->setToolTip(QStringLiteral("Cliquer pour sélectionner, double-cliquer pour regarder"));
    auto* fichiers = new QVBoxLayout(FondFichiers);
    fichiers->setContentsMargins(2, 2, 2, 2);
    fichiers->addWidget(AfficherListe, 1);
    auto* ligne1 = new QHBoxLayout;
    ligne1->addWidget(AfficherRegarder);
    ligne1->addWidget(AfficherEffacer);
    ligne1->addWidget(AfficherTout);
    fichiers->addLayout(ligne1);
    auto* ligne2 = new QHBoxLayout;
    ligne2->addWidget(TV2);
    ligne2->addWidget(AfficherRefresh);
    ligne2->addWidget(AfficherAutres, 1);
    fichiers->addLayout(ligne2);

    cadres_ = new QStackedWidget(this);
    vide_ = new QWidget;
    for (QWidget* w : {vide_, FondActiveX, FondMosaic, FondFichiers})
        cadres_->addWidget(w);

    placerCadres();

    connect(AfficherOnglets, &QTabBar::currentChanged, this, [this](int i) {
        if (!parCode_ && i >= 0)
            emit ongletChoisi(OngletAfficher(i + 1));
    });
    // The selection, not the current row: a Ctrl+click takes the selection off a row that
    // stays current, and a row no longer shown as selected is not the one to act on.
    connect(AfficherListe, &QListWidget::itemSelectionChanged, this, [this] {
        if (parCode_)
            return;
        const QList<QListWidgetItem*> choisis = AfficherListe->selectedItems();
        emit fichierChoisi(choisis.isEmpty() ? -1 : AfficherListe->row(choisis.first()));
    });
    connect(AfficherListe, &QListWidget::itemDoubleClicked, this, [this] { emit fichierDoubleClique(); });
}

void VoletAfficher::afficherOnglet(OngletAfficher onglet)
{
    parCode_ = true;
    AfficherOnglets->setCurrentIndex(int(onglet) - 1);
    parCode_ = false;
}

void VoletAfficher::afficherCadre(CadreAfficher cadre)
{
    switch (cadre) {
    case CadreAfficher::Aucun:
        cadres_->setCurrentWidget(vide_);
        break;
    case CadreAfficher::Direct:
        cadres_->setCurrentWidget(FondActiveX);
        break;
    case CadreAfficher::Mosaique:
        afficherCadreRouge(0);
        cadres_->setCurrentWidget(FondMosaic);
        break;
    case CadreAfficher::Fichiers:
        cadres_->setCurrentWidget(FondFichiers);
        break;
    }
}

void VoletAfficher::afficherAttente(bool visible)
{
    // Its place follows the video's (placerRangee).
    // Native, to cover the video's own window; made so only when first needed: a window
    // more at start-up is time for nothing.
    if (visible)
        Waiting->setAttribute(Qt::WA_NativeWindow);
    Waiting->setVisible(visible);
    if (!visible)
        return;
    // Above the video window, which the view may have made after this one; the ribbon and
    // the full-screen row above it, since they are clicked while it shows.
    Waiting->raise();
    if (SizeBar->isVisible())
        SizeBar->raise();
    if (pleinEcran_)
        FondActiveX2->raise();
}

void VoletAfficher::afficherListe(const QStringList& noms, int selection, bool boutonsActifs)
{
    parCode_ = true;
    AfficherListe->clear();
    AfficherListe->addItems(noms);
    AfficherListe->setCurrentRow(selection);
    parCode_ = false;
    for (QPushButton* b : {AfficherRegarder, AfficherEffacer, AfficherTout})
        b->setEnabled(boutonsActifs);
}

void VoletAfficher::afficherTV2(bool g, bool actif)
{
    gras(TV2, g);
    TV2->setEnabled(actif);
}

void VoletAfficher::afficherTuile(int t, const TuileMosaique& tuile)
{
    if (t >= 1 && t <= 8)
        Mosaic[std::size_t(t - 1)]->afficher(tuile);
}

void VoletAfficher::afficherCadreRouge(int t)
{
    for (TuileMosaic* tuile : Mosaic)
        tuile->definirRouge(tuile->index() == t);
}

void VoletAfficher::afficherNoms(const QStringList& noms)
{
    for (TuileMosaic* tuile : Mosaic)
        tuile->definirNom(noms.value(tuile->index() - 1));
}

void VoletAfficher::afficherSon(int volume, bool muet)
{
    parCode_ = true;
    Volume2->setValue(volume);
    parCode_ = false;
    gras(Mute2, muet);
    Mute2->setIcon(Mute2B[muet]);
    SizeBarMute->setIcon(SizeBarMuteB[muet]);
}

void VoletAfficher::afficherRec(bool enregistrement)
{
    gras(Rec2, enregistrement);
    Rec2->setIcon(Rec2B[enregistrement]);
    SizeBarRec->setIcon(SizeBarRecB[enregistrement]);
}

void VoletAfficher::afficherAuDessus(bool auDessus)
{
    gras(TopR2, auDessus);
    TopR2->setIcon(TopR2B[auDessus]);
    SizeBarTop->setIcon(SizeBarTopB[auDessus]);
}

void VoletAfficher::afficherPasChaine(bool precedente, bool suivante)
{
    ChaineM2->setEnabled(precedente);
    ChaineP2->setEnabled(suivante);
    SizeBarM->setVisible(precedente);
    SizeBarP->setVisible(suivante);
}

void VoletAfficher::afficherMini(bool mini)
{
    gras(Mini2, mini);
    Mini2->setIcon(Mini2B[mini]);
}

void VoletAfficher::afficherPleinEcran(bool pleinEcran)
{
    Full2->setIcon(Full2B[pleinEcran]);
    SizeBarF->setIcon(SizeBarFB[pleinEcran]);
}

void VoletAfficher::definirVueSeule(bool actif, bool pleinEcran, const QRect& video, std::optional<QPoint> rangee)
{
    vueSeule_ = actif;
    pleinEcran_ = actif && pleinEcran;
    videoPleinEcran_ = video;
    rangeePleinEcran_ = rangee.value_or(QPoint());
    AfficherOnglets->setVisible(!actif);
    // At once: the window's new size and the video's place go together.
    placerCadres();
    // The mini-screen is the video alone; full screen shows the row over the black.
    FondActiveX2->setVisible(!actif || pleinEcran_);
    // Black around the video and under the row in full screen; the panel's colour elsewhere.
    QPalette fond = palette();
    if (pleinEcran_)
        fond.setColor(QPalette::Window, Qt::black);
    FondActiveX->setPalette(fond);
    FondActiveX2->setPalette(fond);
    if (pleinEcran_)
        FondActiveX2->raise();
    // The ribbon shows in the mini-screen only (folded on entry: replierRuban).
    const bool ruban = actif && !pleinEcran_;
    if (ruban) {
        // Native and raised, to lie over the video's own window.
        SizeBar->setAttribute(Qt::WA_NativeWindow);
        SizeBar->raise();
    }
    SizeBar->setVisible(ruban);
    placerRangee();
}

void VoletAfficher::plierRuban(bool ouvert)
{
    rubanOuvert_ = ouvert;
    SizeBar->resize(ouvert ? QSize(7 * 16, 2 * 16) : QSize(16, 16));
    SizeBar0->setIcon(SizeBar0B[ouvert]);
}

void VoletAfficher::afficherCurseur(int valeur)
{
    parCode_ = true;
    SizeBar2->setValue(valeur);
    parCode_ = false;
}

void VoletAfficher::placerRangee()
{
    const QRect cadre = FondActiveX->rect();
    QRect video;
    if (pleinEcran_) {
        video = videoPleinEcran_;
        FondActiveX2->setGeometry(QRect(rangeePleinEcran_, QSize(FondActiveX2->sizeHint().width(), HauteurRangee)));
    } else if (vueSeule_) {
        video = cadre;
    } else {
        // The row lies at the frame's foot, across its width; above it the video keeps the
        // picture's ratio (337 x 249 in the design frame).
        const int h = std::min(HauteurRangee, cadre.height());
        FondActiveX2->setGeometry(0, cadre.height() - h, cadre.width(), h);
        video = QRect(0, 0, cadre.width(), std::min(cadre.height() - h, qRound(cadre.width() / RapportImage)));
    }
    Waiting->setGeometry(video);
    emit origineVueChangee(video.topLeft() * 15);
    emit tailleVueChangee(video.size() * 15);
}

void VoletAfficher::placerCadres()
{
    if (vueSeule_) {
        cadres_->setGeometry(rect());
        return;
    }
    // The frames' design place in the pane (240, 600, 5055 x 4335 twips): the mini-screen
    // moves the window by exactly this much to keep the video where it stands on the screen.
    const QRect cadres(CadresPane);
    const int hauteurOnglets = std::min(AfficherOnglets->sizeHint().height(), cadres.top());
    AfficherOnglets->setGeometry(cadres.left(), cadres.top() - hauteurOnglets, cadres.width(), hauteurOnglets);
    cadres_->setGeometry(cadres);
}

void VoletAfficher::resizeEvent(QResizeEvent* e)
{
    QFrame::resizeEvent(e);
    placerCadres();
}

bool VoletAfficher::eventFilter(QObject* objet, QEvent* e)
{
    if (objet == FondActiveX && e->type() == QEvent::Resize)
        placerRangee();
    return QFrame::eventFilter(objet, e);
}

void VoletAfficher::afficherGroupeMosaique(int g)
{
    for (int i = 0; i < 10; ++i) {
        QPushButton* b = MosaFavo[std::size_t(i)];
        QFont f = b->font();
        f.setBold(i == g);
        b->setFont(f);
    }
}
