#pragma once
#include "shell/FormeFenetre.h"

#include <QObject>
#include <QTimer>
#include <deque>

class EtatFenetre;
class PanneauChaines;
class PanneauTelecommande;
class QPushButton;
class QWidget;
class VoletsLateraux;

// The parts of the main window that its forms change.
struct ControlesForme {
    QWidget* fenetre;          // the main window itself: its size, place and full-screen state
    QWidget* fond1;            // the main panel
    QWidget* fond1bis;         // the remote-control form's extension
    VoletsLateraux* volets;    // the side pane and its panes, built when first shown
    PanneauChaines* chaines;
    PanneauTelecommande* telecommande;
    QPushButton* mini;         // bold in the remote-control form
};

// Applies the window's forms: asks the form's state machine what each event changes, writes
// the window-state model, and applies the frames at once and the sizes one per step of a
// timer (the side pane's animation), the window taking no input meanwhile.
class AppliqueurForme : public QObject {
    Q_OBJECT
public:
    AppliqueurForme(const ControlesForme& controles, EtatFenetre& etat, QObject* parent = nullptr);

    const FormeFenetre& forme() const { return forme_; }
    void definirOptions(const OptionsForme& options) { appliquer(forme_.definirOptions(options)); }
    bool animationEnCours() const { return enAnimation_; }

    void Mini_Click();
    void GoAfficher_Click();
    void GoGuider_Click();
    void GoDiffuser_Click();
    // The pane buttons: open their pane (folding another one first), or fold their own.
    // True when their pane is open afterwards.
    bool Afficher_Click();
    bool Guider_Click();
    bool Diffuser_Click();
    // The live view out of the normal window: the mini-screen, full screen and the size slider.
    void Mini2_Click();
    void Full2_Click();
    void SizeBar1_Click();
    void SizeBarF_Click();
    void SizeBar2_Scroll(int curseur);
    // Always on top, toggled.
    void TopR_Click();
    // The side pane folds (the options pane takes the window's place).
    void ReplierVolet();
    // The window was shown again: the window manager is told the stacking state anew.
    void fenetreAffichee();
    // From any form, the normal window with the guide pane open on its schedule tab.
    void montrerProgrammation();

signals:
    // A side pane's steps begin and end: the window takes no input meanwhile, and what waits
    // for engine operations waits for them too.
    void animationCommencee();
    void animationTerminee();
    // The remote-control form's `GoDiffuser` asks for the media pane's mosaic, at the end.
    void mosaiqueDemandee();

private:
    // A side pane was just built: the media pane shows the toggles' faces of the form.
    void voletConstruit(Volet v);
    PlacementFenetre placement() const;
    QMargins margesCadre() const;
    void deplacerCadre(const QPoint& position);
    bool basculerVolet(Volet v);
    // Queues what the form asks for and applies it: frames at once, one size per step.
    void appliquer(const TransitionForme& t);
    void avancer();
    void appliquerCadres(const PhaseForme& phase);
    void appliquerAuDessus(bool auDessus);
    void appliquerVueSeule(const VueSeule& vue, const QSize& client);
    void placerFocus();

    ControlesForme p_;
    EtatFenetre& etat_;
    FormeFenetre forme_;
    QTimer pas_;
    std::deque<PhaseForme> enAttente_;
    std::size_t indice_ = 0;  // next size of the first queued phase
    bool enAnimation_ = false;
    bool mosaique_ = false;
    bool focusAPlacer_ = false;  // the video alone came or went
    bool auDessus_ = false;      // as applied to the window
    QMargins margesAvantPleinEcran_;  // the desktop's frame, as it was before full screen
};
