#pragma once
#include "platform/VueIntegree.h"

#include <QPointer>
#include <QRect>
#include <QSet>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class TravauxVue;

// The embedded view on libVLC 3. The video is drawn into a native child widget of the
// host (libvlc_media_player_set_xwindow), with VLC's own mouse and key handling off so
// that the window receives them.
//
// libVLC is heavy to start: the instance is created when the first item is played, never
// before, and kept for the rest of the run. Every libVLC call runs on a thread of the view,
// in the order asked, so that stopping a stream, starting the instance or taking a snapshot
// never holds the window's thread.
//
// Snapshots: libVLC 3 writes PNG whatever ":snapshot-format" says, into a private
// temporary folder; the picture is then written as JPEG under a name of its own beside the
// other snapshots and renamed into place, so that a reader never sees a half-written file.
// Deinterlacing is set on the player (libVLC ignores video filters given as item options).
class VueIntegreeVlc : public VueIntegree {
public:
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
    QString prendreInstantane(Suite<bool> ecrit = {}) override;

    // Whether this process has created its libVLC instance yet (cheap; any thread).
    static bool instanceCreee();

    // The widget the video is drawn into; null until placerDans.
    QWidget* surface() const;
    // Waits until every call made so far has been carried out (tests, shut-down).
    void attendreTravaux();

private:
    class Surface;
    void appliquerGeometrie();
    void surfacePerdue();

    std::unique_ptr<TravauxVue> travaux_;
    QPointer<Surface> surface_;
    QRect geometrie_;  // pixels; null until set
    bool geometrieDonnee_ = false;
    bool lecteurDemande_ = false;  // an item was played: the player exists (or is being made)
    int volume_ = 100;
    bool muet_ = false;
    QString dossierInstantanes_;
    QSet<QString> instantanesPromis_;
};
