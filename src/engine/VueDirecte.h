#pragma once
#include "engine/TypesAfficher.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <QTimer>

class Moteur;
class Mosaique;
class VueIntegree;
struct Session;

// The live view of the media pane: the selected channel playing in the embedded view with its
// waiting picture, and the compact row under it. Whether its frame is on screen is the pane's
// state; the mosaic, which drives the same view, keeps it silent while it runs.
class VueDirecte : public QObject {
    Q_OBJECT
public:
    static constexpr int AttenteMs = 3000;  // the waiting picture stays this long after a start

    VueDirecte(Session& session, Moteur& moteur, VueIntegree& vue, const EtatAfficher& etat,
               const Mosaique& mosaique);

    bool attenteVisible() const { return attenteVisible_; }
    const QTimer& Attente() const { return attente_; }

    // Starts the selected channel in the view, under the waiting picture.
    void LancerLectureIntegree();
    void Attente_Timer();
    // The view's window is placed on its first use, by the live view or the mosaic.
    void preparerVue();
    // The view stops playing.
    void arreter();
    // The live frame is left: the waiting picture's count ends with it.
    void quitter();

    // The channel selection changed: the live view on screen follows it.
    void Chaines_Click();
    // Size of the view's frame, twips.
    void definirTailleVue(const QSize& twips);

    // The compact row. Sound and snapshot act on the view itself; the channel steps select
    // within the list and never start the external player.
    int volume() const { return volume_; }
    bool muet() const { return muet_; }
    void Mute2_Click();
    // The volume slider's value (0 to 200). Volume 0 is not the mute: each keeps its own state.
    void Volume2_Scroll(int valeur);
    // Returns the path of the JPEG the view will write, or "" when nothing plays.
    QString Snap2_Click();
    void ChaineM2_Click();
    void ChaineP2_Click();

signals:
    // The view's sound as the compact row shows it: the slider and the real mute state.
    void sonAffiche(int volume, bool muet);
    // The view is about to play for the first time: it needs its place in the window now.
    void vuePremiereFois();
    void attenteAffichee(bool visible);

private:
    Session& session_;
    Moteur& moteur_;
    VueIntegree& vue_;
    const EtatAfficher& etat_;
    const Mosaique& mosaique_;
    QTimer attente_;
    bool attenteVisible_ = false;
    bool vuePlacee_ = false;
    QSize tailleVue_;
    // The view's sound, set by the compact row; the mosaic silences the view while it runs
    // and gives these back when it ends.
    int volume_ = 100;
    bool muet_ = false;
};
