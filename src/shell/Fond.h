#pragma once
#include "shell/FormeFenetre.h"

#include <QWidget>
#include <functional>
#include <vector>

class BarreTampon;
class PanneauChaines;
class PanneauTelecommande;
class PopupDuree;
class QStackedWidget;
class VoletProgrammation;
class clsSysTray;
class ImageTexture;
struct VueChaine;

// The main window in its normal form: it composes the channel column, the remote control,
// the side pane and the overlays, and applies what it is told. Controls carry their names
// as object names.
class Fond : public QWidget {
    Q_OBJECT
public:
    explicit Fond(QWidget* parent = nullptr);
    ~Fond() override;

    PanneauChaines& chaines() const { return *chaines_; }
    PanneauTelecommande& telecommande() const { return *telecommande_; }
    VoletProgrammation& programmation() const { return *programmation_; }
    PopupDuree& duree() const { return *duree_; }
    clsSysTray& SysTray() const { return *sysTray_; }

    // Asked before the window closes; `parUtilisateur` is false when the session ends.
    // The window stays open when it answers false.
    void definirGardienFermeture(std::function<bool(bool parUtilisateur)> gardien);

    void selectionnerChaine(int index, const VueChaine& vue);
    void definirTitre(const QString& titre);
    void definirIconeEnregistrement(bool enregistrement);
    // Sizes and positions in twips (15 twips = 1 pixel).
    QSize tailleEcran() const;
    QSize tailleFenetre() const;
    QPoint position() const;
    void placer(const QPoint& position);
    // Shows the window, fading it in from fully transparent.
    void fonduEntree();
    // Minimises to the notification area, or normally where there is none.
    void minimiser();
    // The window takes no input while it waits for a player.
    void activer(bool actif);
    // Gives the focus back to the main window after a player started.
    void reprendreFocus();
    // Time-shift buffering bar: step 0 to 30 shows it, -1 hides it.
    void afficherTampon(int etape);
    // The manual recording's duration pop-up, placed at the mouse pointer.
    void afficherDuree(bool visible, const QString& texte, bool annulerActif);

    // Brings the favourites frame in front of the channel list, or back behind it.
    void Fav_Click();
    // Opens or closes the side pane with the programming tab. True when it opened.
    bool Guider_Click();
    const FormeFenetre& forme() const { return forme_; }

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

signals:
    // The window closed for good: the program can end.
    void fermee();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    PlacementFenetre placement() const;
    // Shows the frames the form asks for; the window stays inside the screen.
    void appliquerForme(const TransitionForme& t);

    PanneauChaines* chaines_;
    PanneauTelecommande* telecommande_;
    QStackedWidget* volet_;
    VoletProgrammation* programmation_;
    QWidget* fond1_;
    QWidget* fond2_ = nullptr;
    ImageTexture* texture1_ = nullptr;
    bool optionsOuvertes_ = false;
    BarreTampon* tampon_;
    PopupDuree* duree_;
    clsSysTray* sysTray_;
    std::function<bool(bool)> gardienFermeture_;
    bool favorisDevant_ = false;
    FormeFenetre forme_;
    bool sansQuestion_ = false;
    bool fermetureAcceptee_ = false;
};

// The opacity steps (0 to 255) of the fade-in.
std::vector<int> EtapesFondu();
