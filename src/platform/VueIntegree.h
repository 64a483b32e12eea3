#pragma once
#include "platform/Suite.h"

#include <QString>
#include <QStringList>

class QObject;

// The player view embedded in the main window: plays one stream at a time inside a
// widget of the window. Every call returns at once and none waits for the player; only the
// snapshot reports, later, from the event loop. Before the first item is played nothing heavy exists: stopping,
// clearing, the volume, the mute and the geometry are only remembered until then.
class VueIntegree {
public:
    virtual ~VueIntegree() = default;

    // The widget (a QWidget) inside which the view draws. Until it is given, items play
    // without a picture.
    virtual void placerDans(QObject* hote) = 0;

    // Playback ends and the stream is released.
    virtual void arreter() = 0;
    // No earlier item is played again.
    virtual void viderListe() = 0;
    // Replaces what plays and starts the item at once. Each option begins with ":";
    // empty elements are skipped. ":snapshot-path=<folder>" names the folder that
    // prendreInstantane() writes into; ":video-filter=deinterlace" with
    // ":deinterlace-mode=<mode>" deinterlaces the pictures the stream codes as interlaced.
    virtual void ajouterEtJouer(const QString& adresse, const QStringList& options) = 0;

    // The volume and the mute are states of the view: whenever set (between two items too),
    // they hold for the item playing and every item after it. An item given ":no-audio" has
    // no sound at all.
    // 0 (silence) to 200; values outside are brought inside.
    virtual void definirVolume(int volume) = 0;
    // Sets the sound cut or restored: a state, never a toggle.
    virtual void definirMuet(bool muet) = 0;

    // Place and size of the video area inside its widget, in twips (15 per pixel).
    virtual void placerConteneur(int gauche, int haut) = 0;
    virtual void dimensionnerConteneur(int largeur, int hauteur) = 0;

    // Asks for a snapshot of the picture being shown. Returns the full path of the JPEG
    // file (PrefixeInstantane, then the time) that will appear in the current item's
    // snapshot folder (a name no earlier snapshot has), or "" when no item with a snapshot
    // folder plays. The file appears whole, a moment later, or not at all (no picture yet,
    // write failure); `ecrit` is then told whether it was written.
    virtual QString prendreInstantane(Suite<bool> ecrit = {}) = 0;
};
