#pragma once
#include <QFrame>
#include <QIcon>
#include <array>

class QPushButton;
class QSlider;

// The compact row under the live view: the window's forms, the channel steps, record,
// snapshot and the sound. It reports the presses; each toggle shows its "on" face (and a
// bold caption, as on the remote) when told.
class RangeeCompacte : public QFrame {
    Q_OBJECT
public:
    explicit RangeeCompacte(QWidget* parent = nullptr);

    void afficherSon(int volume, bool muet);
    void afficherRec(bool enregistrement);
    void afficherAuDessus(bool auDessus);
    void afficherPasChaine(bool precedente, bool suivante);
    void afficherMini(bool mini);
    void afficherPleinEcran(bool pleinEcran);
    // Sets `Volume2` as the user would: the change is reported.
    void changerVolume2(int valeur);

signals:
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

private:
    QPushButton* const Mini2;
    QPushButton* const Full2;
    QPushButton* const TopR2;
    QPushButton* const ChaineM2;  // `ChaîneM2`
    QPushButton* const ChaineP2;  // `ChaîneP2`
    QPushButton* const Rec2;
    QPushButton* const Snap2;
    QPushButton* const Mute2;
    QSlider* const Volume2;
    // The two faces of the toggles (0 off, 1 on).
    const std::array<QIcon, 2> Mini2B, Full2B, TopR2B, Rec2B, Mute2B;
    bool parCode_ = false;
};
