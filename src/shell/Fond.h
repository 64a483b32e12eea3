#pragma once
#include "shell/FormeFenetre.h"

#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

class BarreTampon;
class PanneauChaines;
class PanneauTelecommande;
class PopupDuree;
class QFrame;
class QPushButton;
class QStackedWidget;
class VoletAfficher;
class VoletDiffusion;
class VoletGuide;
class VoletProgrammation;
class clsSysTray;
class ImageTexture;
struct VueChaine;

// The main window. The main panel `Fond1` holds the channel column, the remote control, the
// remote-control form's extension `Fond1bis` below the column and the side pane to the right;
// the window shows the part of it that its form asks for. Sizes come from the form's state
// machine and are applied here, the side pane's in timed steps. Controls carry their names
// as object names.
class Fond : public QWidget {
    Q_OBJECT
public:
    explicit Fond(QWidget* parent = nullptr);
    ~Fond() override;

    PanneauChaines& chaines() const { return *chaines_; }
    PanneauTelecommande& telecommande() const { return *telecommande_; }
    VoletProgrammation& programmation() const { return *programmation_; }
    VoletGuide& guide() const { return *guide_; }
    VoletAfficher& afficher() const { return *afficher_; }
    VoletDiffusion& diffusion() const { return *fond1a_; }
    PopupDuree& duree() const { return *duree_; }
    clsSysTray& SysTray() const { return *sysTray_; }

    // Asked before the window closes; `parUtilisateur` is false when the session ends.
    // The window stays open when it answers false.
    void definirGardienFermeture(std::function<bool(bool parUtilisateur)> gardien);

    void selectionnerChaine(int index, const VueChaine& vue);
    void definirTitre(const QString& titre);
    void definirIconeEnregistrement(bool enregistrement);
    // Sizes and positions in twips (15 twips = 1 pixel). The window's size is its form's.
    QSize tailleEcran() const;
    QSize tailleFenetre() const { return forme_.taille(); }
    QPoint position() const;
    void placer(const QPoint& position);
    // Shows the window, fading it in from fully transparent.
    void fonduEntree();
    // Minimises to the notification area, or normally where there is none.
    void minimiser();
    // The window takes no input while the engine waits (players closing, keystrokes, the
    // time-shift buffer) and while a page or a check is fetched: input that comes meanwhile is
    // dropped, never replayed.
    void activer(bool actif);
    void attendreConnexion(bool enCours);
    // Gives the focus back to the main window after a player started.
    void reprendreFocus();
    // Time-shift buffering bar: step 0 to 30 shows it, -1 hides it.
    void afficherTampon(int etape);
    // The manual recording's duration pop-up, placed at the mouse pointer.
    void afficherDuree(bool visible, const QString& texte, bool annulerActif);

    // Brings the favourites frame in front of the channel list, or back behind it.
    void Fav_Click();

    // The window's forms. A side pane opens and folds in timed steps; meanwhile the window
    // takes no input.
    void definirOptionsForme(const OptionsForme& options) { forme_.definirOptions(options); }
    const FormeFenetre& forme() const { return forme_; }
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
    void Reduire_Click() { minimiser(); }

    // The options pane `Fond2`, handed over once (it is built when first opened).
    void installerOptions(QWidget* fond2);
    QWidget* options() const { return fond2_; }
    bool optionsOuvertes() const { return optionsOuvertes_; }
    // `Fond2` in place of the main panel, the side pane folded; and back, in the size of
    // the form the window is in.
    void Options_Click();
    void Retour_Click();
    // The background texture of the main panel (none: the style's own).
    void definirTexture(const QPixmap& image);

    // Closes through the same path as the close button (sansQuestion: as the session's
    // end does).
    void fermer(bool sansQuestion);
    void fermerSansQuestion() { fermer(true); }
    bool estFermee() const { return fermetureAcceptee_; }

    QPushButton* const Mini;
    QPushButton* const GoAfficher;
    QPushButton* const GoGuider;
    QPushButton* const GoDiffuser;
    QPushButton* const ProgChaine2;  // `ProgChaîne2`, at the foot of `Fond1bis`

signals:
    // The window closed for good: the program can end.
    void fermee();
    // A side pane's steps begin and end: what waits for engine operations waits for them too.
    void animationCommencee();
    void animationTerminee();
    // The guide pane opened on its schedule tab: the editor starts afresh.
    // The media pane folds: its live view stops. The remote-control form's `GoDiffuser`
    // asks for the media pane's mosaic.
    void arretVueDemande();
    void mosaiqueDemandee();

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    PlacementFenetre placement() const;
    QMargins margesCadre() const;
    void deplacerCadre(const QPoint& position);
    // Queues what the form asks for and applies it: frames at once, one size per step.
    void appliquerForme(const TransitionForme& t);
    void avancer();
    void appliquerCadres(const PhaseForme& phase);
    void appliquerAuDessus(bool auDessus);
    void appliquerVueSeule(const VueSeule& vue, const QSize& client);
    void actualiserActivation();
    void placerFocus();
    bool basculerVolet(Volet v);
    void afficherProgrammation();

    QFrame* fond1_;
    PanneauChaines* chaines_;
    PanneauTelecommande* telecommande_;
    QFrame* fond1bis_;
    QStackedWidget* volet_;
    VoletDiffusion* fond1a_;
    QFrame* fond1b_;
    VoletAfficher* afficher_;
    QWidget* fond1c_;
    VoletProgrammation* programmation_;
    VoletGuide* guide_;
    QWidget* fond2_ = nullptr;
    std::vector<ImageTexture*> textures_;  // under Fond1, Fond1a, Fond1b, Fond1c, Fond1bis, Favoris
    bool optionsOuvertes_ = false;
    BarreTampon* tampon_;
    PopupDuree* duree_;
    clsSysTray* sysTray_;
    std::function<bool(bool)> gardienFermeture_;
    bool favorisDevant_ = false;
    FormeFenetre forme_;

    QTimer pas_;
    std::deque<PhaseForme> enAttente_;
    std::size_t indice_ = 0;  // next size of the first queued phase
    bool enAnimation_ = false;
    bool mosaique_ = false;
    bool focusAPlacer_ = false;  // the video alone came or went
    bool actifMoteur_ = true;
    bool connexion_ = false;
    QTimer fondu_;
    std::size_t etapeFondu_ = 0;
    bool auDessus_ = false;  // as applied to the window
    bool appui_ = false;     // left button down on a background, the pointer not moved yet
    bool glisse_ = false;    // dragged by hand where the window system does not move it
    QMargins margesAvantPleinEcran_;  // the desktop's frame, as it was before full screen
    QPoint depart_;  // where the left button went down, global
    QPoint prise_;   // the same, from the window's top-left

    bool sansQuestion_ = false;
    bool fermetureAcceptee_ = false;
};

// The opacity steps (0 to 255) of the fade-in.
std::vector<int> EtapesFondu();
