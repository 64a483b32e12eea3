#pragma once
#include "core/FichierParametres.h"
#include "shell/LiaisonsOptions.h"

#include <QHash>
#include <QWidget>
#include <array>
#include <vector>

class EditeurFavoris;
class ImageTexture;
class QComboBox;
class QLabel;
class QPushButton;
class QTabBar;
class QTabWidget;
struct ControleOption;

// The options pane `Fond2`: the tab strip `Onglets` with its eight tabs, every option control
// (built from the one table of ControlesOptions) and the "OK" button `Retour`. It shows the
// values it is given and gives them back; what acts at once without the platform (the on-top
// exclusion, the texture, the zoom label, the frames shown by a check box, the encoding
// profiles and the size estimate) happens here.
class PanneauOptions : public QWidget {
    Q_OBJECT
public:
    explicit PanneauOptions(const QString& dossierProgramme, QWidget* parent = nullptr);

    // Puts the values into the controls (the frames, the zoom label, the texture and the
    // estimate follow them).
    void afficher(const ContenuParametres& c);
    // Reads the controls into `c`; a setting without a control keeps its value.
    void lire(ContenuParametres& c) const;

    // Tab 1 to 8 selected; its frame alone is shown.
    void Onglets_Click(int onglet);
    int onglet() const;
    // The tab strip's rows: 1 holds tabs 1 to 4, 2 tabs 5 to 8.
    QTabBar* rangeeOnglets(int rangee) const;
    // The keyboard's focus goes to the row of the selected tab.
    void focaliser();

    QWidget* controle(const QString& nom) const { return controles_.value(nom); }
    QPushButton* bouton(const QString& nom) const;
    // The web links' tool tips end with the address they open.
    void definirAdressesWeb(const QString& site, const QString& forum);
    EditeurFavoris& favoris() const { return *favoris_; }

    // The program run after each scheduled recording (`AUTPtag`) and the recording folder.
    QString programme() const;
    void definirProgramme(const QString& chemin);
    QString dossier() const { return dossier_; }
    void definirDossier(const QString& dossier);
    // The size estimate as shown.
    QString taille() const;

    QTabWidget* const Onglets;
    QPushButton* const Retour;
    // The buttons whose work is the controller's.
    QPushButton* ClavierListe = nullptr;
    QPushButton* Reinitialiser = nullptr;  // `Réinitialiser`
    QPushButton* MAJcfg = nullptr;
    QPushButton* FRPLtexte = nullptr;
    QPushButton* AllerSite = nullptr;
    QPushButton* AllerFAQ = nullptr;
    QPushButton* AllerForums = nullptr;
    QPushButton* MAJexe = nullptr;
    QPushButton* AutoSel = nullptr;  // `AutoSél`
    QPushButton* RECpath0 = nullptr;

signals:
    // The texture choice changed (the main panel follows it).
    void textureChoisie(int choix);

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void construireOnglets();
    void placerControles();
    void lierControles();
    void relierGestionnaires();
    void FONDtag_Click();
    void ZOOMtag_Scroll();
    void VENCtag_Click();
    void AUTRtag_Click();
    void Profils_Click();
    void invitationProfil();
    void EstimerTaille();

    QString dossierProgramme_;
    QString dossier_;
    std::array<QTabBar*, 2> rangees_{};
    QHash<QString, QWidget*> controles_;
    EditeurFavoris* favoris_ = nullptr;
    std::vector<LiaisonOption> liaisons_;  // one per control bound to a setting, in table order
    ImageTexture* texture_;
};
