#pragma once
#include "core/Fenetre.h"

#include <QWidget>
#include <functional>

class Application;
class clsSysTray;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class QFrame;
class QProgressBar;
class VoletProgrammation;

// The main window in its normal form. Controls carry their names as object names.
class Fond : public QWidget, public Fenetre {
    Q_OBJECT
public:
    explicit Fond(QWidget* parent = nullptr);
    ~Fond() override;

    void setApplication(Application* app) { app_ = app; }
    clsSysTray* SysTray() const { return sysTray_; }
    QTimer* HorlogeTimer() const { return horloge_; }
    QPushButton* bouton(const char* nom) const;

    // Fenetre
    void afficherChaines(const ListeChaines& liste) override;
    void selectionnerChaine(int index) override;
    void afficherEtat(const VueEtat& vue) override;
    void definirTitre(const QString& titre) override;
    void definirIconeEnregistrement(bool enregistrement) override;
    QSize tailleEcran() override;
    QSize tailleFenetre() override;
    QPoint position() override;
    void placer(const QPoint& position) override;
    void fonduEntree() override;
    void minimiser() override;
    void demarrerHorloge() override;
    void activer(bool actif) override;
    void reprendreFocus() override;
    void afficherBascules(bool tv, bool muet) override;
    void afficherPhotoEnCours(bool enCours) override;
    void afficherTampon(int etape) override;
    void afficherDuree(bool visible, const QString& texte, bool annulerActif) override;
    void afficherProgrammes(const QStringList& lignes, int selection, const BoutonsProgramme& boutons) override;
    ValeursEditeur lireEditeur() override;
    void ecrireEditeur(const ValeursEditeur& valeurs) override;
    void afficherProgression(double fraction, const QString& texte) override;
    void afficherEspaceLibre(const QString& texte, double fraction) override;
    void afficherExtinctionOFF(bool visible) override;
    void fermer(bool sansQuestion) override;

    VoletProgrammation* voletProgrammation() const { return programmation_; }
    QFrame* popupDuree() const { return duree_; }
    // Opens or closes the side pane with the programming tab.
    void Guider_Click();

    // Opacity steps of the last fade-in (tests read them).
    const std::vector<int>& etapesFondu() const { return etapesFondu_; }

    // Closing without questions: the session ends or the program was asked to stop.
    void fermerSansQuestion();
    bool estFermee() const { return fermetureAcceptee_; }
    void Quitter_Click();
    void Fav_Click() override;

signals:
    // The window closed for good: the program can end.
    void fermee();

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    QPushButton* nouveauBouton(const char* nom, const QString& texte, const QString& infoBulle);

    Application* app_ = nullptr;
    clsSysTray* sysTray_ = nullptr;
    QTimer* horloge_ = nullptr;
    QListWidget* chaines_ = nullptr;
    QFrame* favoris_ = nullptr;
    QLabel* progChaine_ = nullptr;
    QLabel* progChaine3_ = nullptr;
    QPushButton* progChaine2_ = nullptr;
    QLabel* logo1_ = nullptr;
    QLabel* logo2_ = nullptr;
    QFrame* tampon_ = nullptr;
    QWidget* fond1_ = nullptr;
    QFrame* duree_ = nullptr;
    QLabel* texteEnreg_ = nullptr;
    QFrame* progBar_ = nullptr;
    QProgressBar* progBar1_ = nullptr;
    QLabel* progTaille_ = nullptr;
    VoletProgrammation* programmation_ = nullptr;
    QProgressBar* barreTampon_ = nullptr;
    bool selectionParCode_ = false;
    bool sansQuestion_ = false;
    bool fermetureAcceptee_ = false;
    std::vector<int> etapesFondu_;
};

// Where the duration pop-up goes in the window: centred on the pointer, inside the window.
QPoint placerPopup(const QPoint& curseur, const QSize& popup, const QSize& fenetre);

// Twips (15 to a pixel at 96 dpi) to pixels and back.
inline int versPixels(int twips) { return twips / 15; }
inline int versTwips(int pixels) { return pixels * 15; }
