#pragma once
#include <QObject>

class AppliqueurForme;
class EtatFenetre;
class PanneauOptions;
class QWidget;
struct OuvertureOptions;

// The options pane `Fond2` in the main window: built when first opened, shown in place of the
// main panel while the window's state says the options are open, the side pane folded; on
// closing, the window takes its form's size again.
class CadreOptions : public QObject {
    Q_OBJECT
public:
    CadreOptions(QWidget& fenetre, QWidget& fond1, QWidget& volet, AppliqueurForme& formes, QObject& glisser,
                 EtatFenetre& etat);

    QWidget* panneau() const { return fond2_; }
    // Builds the pane the first time, then shows in it what the opening asks for.
    void ouvrir(const OuvertureOptions& o);
    // Hands a pane over (built elsewhere, as a test's stand-in); the first one only.
    void installer(QWidget* fond2);

signals:
    // The pane was just built: its controls can be wired.
    void construit(PanneauOptions& panneau);

private:
    void montrer(bool ouvertes);

    QWidget& fenetre_;
    QWidget& fond1_;
    QWidget& volet_;
    AppliqueurForme& formes_;
    QObject& glisser_;
    QWidget* fond2_ = nullptr;
    int emplacement_ = 0;  // the favourites' slot to focus once shown
};
