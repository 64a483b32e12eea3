#pragma once
#include "platform/VueIntegree.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSet>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class SurfaceVideo;
class TravauxVue;

// The embedded view on libVLC 3. The video is drawn into an X window of ours, a child of
// a native widget of the host (libvlc_media_player_set_xwindow), with VLC's own mouse and
// key handling off so that the window receives them.
//
// libVLC is heavy to start: the instance is created when the first item is played, never
// before, and kept for the rest of the run (one for each deinterlace setting used). Every libVLC call runs on a thread of the view,
// in the order asked, and the window's thread never waits for that thread: stopping a
// stream, starting the instance, taking a snapshot or losing the widget never hold it.
//
// Snapshots: libVLC 3 writes PNG whatever ":snapshot-format" says, into a private
// temporary folder, and says so with libvlc_MediaPlayerSnapshotTaken; the view's thread
// then writes the picture as JPEG under a name of its own beside the other snapshots and
// renames it into place, so that a reader never sees a half-written file. A snapshot that
// does not come within kAttenteInstantaneMs (no picture yet) is given up.
// Deinterlacing is the player's (libVLC ignores video filters given as item options), as
// VLC does it by default: the pictures the stream codes as interlaced are deinterlaced with
// the mode asked, progressive ones are shown as they are. libVLC 3 offers that only as an
// instance's setting: each setting has its instance, and the player is made again from the
// right one when an item asks for another setting.
// The volume and the mute are states of the view: libVLC 3 refuses them while no audio
// output exists (from a stop until the next item's sound is up), so the view's thread gives
// them to each item once its sound is up; an item with ":no-audio" has none.
class VueIntegreeVlc : public VueIntegree {
public:
    static constexpr int kAttenteInstantaneMs = 3000;

    VueIntegreeVlc();
    ~VueIntegreeVlc() override;
    VueIntegreeVlc(const VueIntegreeVlc&) = delete;
    VueIntegreeVlc& operator=(const VueIntegreeVlc&) = delete;

    void placerDans(QObject* hote) override;
    void arreter() override;
    void viderListe() override;
    void ajouterEtJouer(const QString& adresse, const QStringList& options) override;
    void definirVolume(int volume) override;
    void definirMuet(bool muet) override;
    void placerConteneur(int gauche, int haut) override;
    void dimensionnerConteneur(int largeur, int hauteur) override;
    // `ecrit` is told, from the event loop, true once the JPEG is in place, false when the
    // snapshot failed or was given up; never when "" is returned.
    QString prendreInstantane(Suite<bool> ecrit = {}) override;

    // Whether this process has created its libVLC instance yet (cheap; any thread).
    static bool instanceCreee();

    // The widget the video is drawn into; null until placerDans.
    QWidget* surface() const;
    // The X window the player draws into, inside the surface; 0 when there is none.
    quint32 fenetreVideo() const { return fenetreVideo_; }
    // Snapshots handed out and neither written nor given up yet.
    int instantanesPromis() const { return int(instantanesPromis_.size()); }
    // Blocks until every call made so far has been carried out: tests only.
    void attendreTravaux();
    // The sound as libVLC has it now, -1 each when no audio output exists. Blocks until the
    // view's thread answers: tests only.
    struct SonLecteur {
        int volume = -1;
        int muet = -1;
    };
    SonLecteur sonDuLecteur();

private:
    void appliquerGeometrie();
    void surfacePerdue();
    quint32 assurerFenetreVideo();
    void instantaneTermine(const QString& chemin, bool ecrit, const Suite<bool>& suite);

    // Reports of the view's thread come through this object's event queue; declared first,
    // it goes last, after the thread has ended.
    QObject contexte_;
    std::unique_ptr<TravauxVue> travaux_;
    QPointer<SurfaceVideo> surface_;
    quint32 fenetreVideo_ = 0;
    QSet<quint32> fenetresEnSursis_;  // taken from a lost surface, until the player let go
    QRect geometrie_;  // pixels; null until set
    bool geometrieDonnee_ = false;
    bool lecteurDemande_ = false;  // an item was played: the player exists (or is being made)
    int volume_ = 100;
    bool muet_ = false;
    QString dossierInstantanes_;
    QSet<QString> instantanesPromis_;
    quint64 numeroInstantane_ = 0;
};
