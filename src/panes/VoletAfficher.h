#pragma once
#include "engine/TypesAfficher.h"

#include <QFrame>
#include <QStringList>
#include <optional>

class FondFichiers;
class FondMosaic;
class ImageAttente;
class QStackedWidget;
class QTabBar;
class RangeeCompacte;
class RubanCommande;
class VueIntegree;

// The media pane: the tab strip, the live view's frame with its waiting picture, its compact
// row and its ribbon, the mosaic and the file list. It shows what it is told and reports what
// the user does; the state is the controller's.
class VoletAfficher : public QFrame {
    Q_OBJECT
public:
    explicit VoletAfficher(QWidget* parent = nullptr);

    // The embedded view draws in the live view's frame.
    void accueillirVue(VueIntegree& vue);
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
    // Sets `Volume2` as the user would: the change is reported (the keyboard).
    void changerVolume2(int valeur);
    bool rubanOuvert() const;
    // The ribbon folded, as the mini-screen shows it on entry; otherwise it keeps its state.
    void replierRuban();
    // Height of the compact row, pixels.
    static constexpr int HauteurRangee = 33;
    // The picture's width over its height, in every form of the view.
    static constexpr double RapportImage = 1.3534;
    // The frames' place in the pane, pixels (240, 600, 5055 x 4335 twips).
    static constexpr QRect CadresPane{16, 40, 337, 289};

signals:
    void ongletChoisi(OngletAfficher onglet);
    // Size of the view's frame, twips, and its place inside the frame (full screen centres it).
    void tailleVueChangee(const QSize& twips);
    void origineVueChangee(const QPoint& twips);
    void tuileRelachee(int index, Qt::MouseButton bouton);
    void MosaFavo_Click(int Index);
    void fichierChoisi(int index);
    void fichierDoubleClique();
    void AfficherRegarder_Click();
    void AfficherEffacer_Click();
    void AfficherTout_Click();
    void AfficherAutres_Click();
    void AfficherRefresh_Click();
    void TV2_Click();
    // The compact row; the ribbon's icons press their twins here.
    void Mini2_Click();
    void Full2_Click();
    void TopR2_Click();
    void ChaineM2_Click();
    void ChaineP2_Click();
    void Rec2_Click();
    void Snap2_Click();
    void Mute2_Click();
    // The user moved `Volume2`, or code set its value (the keyboard).
    void volume2Change(int valeur);
    void SizeBar1_Click();
    void SizeBarF_Click();
    // The user moved the ribbon's size slider.
    void sizeBar2Change(int valeur);

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void relierRangee();
    void placerRangee();
    void placerCadres();

    QTabBar* const AfficherOnglets;
    QWidget* const FondActiveX;   // the view draws in it
    ImageAttente* const Waiting;  // over the view, native so that it covers the video window
    RangeeCompacte* const FondActiveX2;
    RubanCommande* const SizeBar;
    FondMosaic* const FondMosaic_;
    FondFichiers* const FondFichiers_;
    QStackedWidget* cadres_;
    QWidget* vide_;
    bool parCode_ = false;
    bool vueSeule_ = false;
    bool pleinEcran_ = false;
    QRect videoPleinEcran_;
    QPoint rangeePleinEcran_;
};
