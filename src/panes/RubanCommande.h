#pragma once
#include <QFrame>
#include <QIcon>
#include <array>

class QPushButton;
class QSlider;

// The command ribbon over the video's top-left corner in the mini-screen: folded, its one
// icon opens it; open, the size slider and icons that press their compact-row twins.
class RubanCommande : public QFrame {
    Q_OBJECT
public:
    explicit RubanCommande(QWidget* parent = nullptr);

    bool ouvert() const { return ouvert_; }
    void plier(bool ouvert);
    // A ribbon icon shows its twin's face.
    void afficherMuet(bool muet);
    void afficherRec(bool enregistrement);
    void afficherAuDessus(bool auDessus);
    void afficherPasChaine(bool precedente, bool suivante);
    void afficherPleinEcran(bool pleinEcran);
    // The size slider's value, without reporting it back.
    void afficherCurseur(int valeur);

signals:
    void SizeBar1_Click();
    void SizeBarF_Click();
    void SizeBarTop_Click();
    void SizeBarM_Click();
    void SizeBarP_Click();
    void SizeBarRec_Click();
    void SizeBarSnap_Click();
    void SizeBarMute_Click();
    // The user moved the size slider.
    void sizeBar2Change(int valeur);

private:
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
    const std::array<QIcon, 2> SizeBar0B, SizeBarFB, SizeBarTopB, SizeBarRecB, SizeBarMuteB;
    bool ouvert_ = false;
    bool parCode_ = false;
};
