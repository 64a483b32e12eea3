#pragma once
#include "shell/AppliqueurForme.h"
#include "shell/FonduEntree.h"

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class CadreOptions;
class EtatFenetre;
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
class VoletsLateraux;
class clsSysTray;
class TexturesCadres;
struct VueChaine;

// The main window. The main panel `Fond1` holds the channel column, the remote control, the
// remote-control form's extension `Fond1bis` below the column and the side pane to the right;
// the window shows the part of it that its form asks for (AppliqueurForme applies the forms).
// What it shows follows the window-state model. Controls carry their names as object names.
class Fond : public QWidget {
    Q_OBJECT
public:
    // The window-state model is the composition's: it outlives the window.
    explicit Fond(EtatFenetre& etat, QWidget* parent = nullptr);
    ~Fond() override;

    EtatFenetre& etat() const { return etat_; }
    AppliqueurForme& appliqueur() const { return *appliqueur_; }
    PanneauChaines& chaines() const { return *chaines_; }
    PanneauTelecommande& telecommande() const { return *telecommande_; }
    // The side panes, each built when first needed (see VoletsLateraux): asking for one builds it.
    VoletsLateraux& volets() const { return *volets_; }
    VoletProgrammation& programmation() const;
    VoletGuide& guide() const;
    VoletAfficher& afficher() const;
    VoletDiffusion& diffusion() const;
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
    QSize tailleFenetre() const { return forme().taille(); }
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
    // The computer shuts down soon: the window comes back from the notification area and to
    // the front on the schedule, its cancel button in sight, and the desktop shows `avis`.
    void avertirExtinction(const QString& avis);
    // Time-shift buffering bar: step 0 to 30 shows it, -1 hides it.
    void afficherTampon(int etape);
    // The manual recording's duration pop-up, placed at the mouse pointer.
    void afficherDuree(bool visible, const QString& texte, bool annulerActif);

    // The window's forms. A side pane opens and folds in timed steps; meanwhile the window
    // takes no input.
    void definirOptionsForme(const OptionsForme& options) { appliqueur_->definirOptions(options); }
    const FormeFenetre& forme() const { return appliqueur_->forme(); }
    bool animationEnCours() const { return appliqueur_->animationEnCours(); }
    void Reduire_Click() { minimiser(); }

    // The options pane `Fond2` (built when first opened).
    CadreOptions& cadreOptions() const { return *cadreOptions_; }
    QWidget* options() const;
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

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void construire();
    // A side pane was just built: it takes the texture and drags the window.
    void voletConstruit(Volet v);
    void actualiserActivation();

    QFrame* fond1_;
    PanneauChaines* chaines_;
    PanneauTelecommande* telecommande_;
    QFrame* fond1bis_;
    VoletsLateraux* volets_;
    std::unique_ptr<TexturesCadres> textures_;  // under Fond1, Fond1bis, Favoris and each side pane built
    BarreTampon* tampon_;
    PopupDuree* duree_;
    clsSysTray* sysTray_;
    std::function<bool(bool)> gardienFermeture_;
    EtatFenetre& etat_;
    AppliqueurForme* appliqueur_ = nullptr;
    CadreOptions* cadreOptions_ = nullptr;
    class GlisserFenetre* glisser_ = nullptr;

    bool enAnimation_ = false;
    bool actifMoteur_ = true;
    bool connexion_ = false;
    FonduEntree* fondu_ = nullptr;

    bool sansQuestion_ = false;
    bool fermetureAcceptee_ = false;
};
