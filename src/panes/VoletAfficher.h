#pragma once
#include "engine/TypesAfficher.h"

#include <QFrame>
#include <QIcon>
#include <QStringList>
#include <array>
#include <optional>

class QListWidget;
class QPushButton;
class QSlider;
class QStackedWidget;
class QTabBar;

// One tile of the mosaic: the snapshot, the waiting picture or the blank tile, the slot's
// channel name over it, and the red frame while it is being refreshed.
class TuileMosaic : public QWidget {
    Q_OBJECT
public:
    TuileMosaic(int index, QWidget* parent = nullptr);

    void afficher(const TuileMosaique& tuile);
    void definirNom(const QString& nom);
    void definirRouge(bool rouge);
    int index() const { return index_; }
    bool rouge() const { return rouge_; }
    TuileMosaique::Contenu contenu() const { return contenu_; }
    const QPixmap& image() const { return image_; }
    const QString& nom() const { return nom_; }

signals:
    void relachee(int index, Qt::MouseButton bouton);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int index_;
    TuileMosaique::Contenu contenu_ = TuileMosaique::Contenu::Vide;
    QPixmap image_;
    QString nom_;
    bool rouge_ = false;
};

// The picture shown over the live view while it connects: drawn here.
void PeindreAttente(QPainter& p, const QRect& zone);

// The media pane: the tab strip, the live view's frame with its waiting picture, the
// mosaic's eight tiles, and the file list with its buttons. It shows what it is told and
// reports what the user does; the state is the controller's.
class VoletAfficher : public QFrame {
    Q_OBJECT
public:
    explicit VoletAfficher(QWidget* parent = nullptr);

    // Shows a tab as selected, without reporting it back.
    void afficherOnglet(OngletAfficher onglet);
    void afficherCadre(CadreAfficher cadre);
    void afficherAttente(bool visible);
    void afficherListe(const QStringList& noms, int selection, bool boutonsActifs);
    void afficherTV2(bool gras, bool actif);
    void afficherTuile(int t, const TuileMosaique& tuile);
    // The red frame goes to tile t (0: hidden).
    void afficherCadreRouge(int t);
    // The channels of the group's eight slots ("" = empty).
    void afficherNoms(const QStringList& noms);
    // The group shown on the mosaic: its button `MosaFavo`(g) takes its "shown" face (bold).
    void afficherGroupeMosaique(int g);
    // The compact row's and the ribbon's looks: each toggle shows its "on" face (and a bold
    // caption, as on the remote).
    void afficherSon(int volume, bool muet);
    void afficherRec(bool enregistrement);
    void afficherAuDessus(bool auDessus);
    void afficherPasChaine(bool precedente, bool suivante);
    void afficherMini(bool mini);
    void afficherPleinEcran(bool pleinEcran);
    // The video alone fills the pane (mini-screen, full screen), or the pane's own layout
    // comes back. Full screen: the video at `video` on black, the compact row at `rangee`;
    // pixels inside the pane.
    void definirVueSeule(bool actif, bool pleinEcran, const QRect& video, std::optional<QPoint> rangee);
    // The size slider's value, without reporting it back.
    void afficherCurseur(int valeur);
    bool rubanOuvert() const { return rubanOuvert_; }
    // The ribbon folded, as the mini-screen shows it on entry; otherwise it keeps its state.
    void replierRuban() { plierRuban(false); }
    // Height of the compact row, pixels.
    static constexpr int HauteurRangee = 33;
    // The picture's width over its height, in every form of the view.
    static constexpr double RapportImage = 1.3534;
    // The frames' place in the pane, pixels (240, 600, 5055 x 4335 twips).
    static constexpr QRect CadresPane{16, 40, 337, 289};

    QTabBar* const AfficherOnglets;
    QWidget* const FondActiveX;  // the view draws in it
    QWidget* const Waiting;      // over the view, native so that it covers the video window
    QWidget* const FondMosaic;
    const std::array<TuileMosaic*, 8> Mosaic;
    const std::array<QPushButton*, 10> MosaFavo;  // the favourites groups 1 to 10
    QWidget* const FondFichiers;
    QListWidget* const AfficherListe;
    QPushButton* const AfficherRegarder;
    QPushButton* const AfficherEffacer;
    QPushButton* const AfficherTout;
    QPushButton* const AfficherAutres;
    QPushButton* const AfficherRefresh;
    QPushButton* const TV2;
    // The compact row under the live view.
    QFrame* const FondActiveX2;
    QPushButton* const Mini2;
    QPushButton* const Full2;
    QPushButton* const TopR2;
    QPushButton* const ChaineM2;  // `ChaîneM2`
    QPushButton* const ChaineP2;  // `ChaîneP2`
    QPushButton* const Rec2;
    QPushButton* const Snap2;
    QPushButton* const Mute2;
    QSlider* const Volume2;
    // The command ribbon over the video's top-left corner in the mini-screen; its icons press
    // their compact-row twins.
    QFrame* const SizeBar;
    QPushButton* const SizeBar0;
    QPushButton* const SizeBarF;
    QSlider* const SizeBar2;
    QPushButton* const SizeBar1;
    QPushButton* const SizeBarTop;
    QPushButton* const SizeBarM;
    QPushButton* const SizeBarP;
    QPushButton* const SizeBarRec;
    QPushButton* const SizeBarSnap;
    QPushButton* const SizeBarMute;
    // The two faces of the toggles (0 off, 1 on); a ribbon icon shows its twin's.
    const std::array<QIcon, 2> Mini2B, Full2B, TopR2B, Rec2B, Mute2B;
    const std::array<QIcon, 2> SizeBar0B, SizeBarFB, SizeBarTopB, SizeBarRecB, SizeBarMuteB;

signals:
    void ongletChoisi(OngletAfficher onglet);
    // Size of the view's frame, twips, and its place inside the frame (full screen centres it).
    void tailleVueChangee(const QSize& twips);
    void origineVueChangee(const QPoint& twips);
    void tuileRelachee(int index, Qt::MouseButton bouton);
    void MosaFavo_Click(int Index);
    void fichierChoisi(int index);
    void fichierDoubleClique();
    // The user moved `Volume2`, or code set its value (the keyboard).
    void volume2Change(int valeur);
    // The user moved the ribbon's size slider.
    void sizeBar2Change(int valeur);

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void placerRangee();
    void placerCadres();

    QStackedWidget* cadres_;
    QWidget* vide_;
    bool parCode_ = false;
    void plierRuban(bool ouvert);

    bool rubanOuvert_ = false;
    bool vueSeule_ = false;
    bool pleinEcran_ = false;
    QRect videoPleinEcran_;
    QPoint rangeePleinEcran_;
};
