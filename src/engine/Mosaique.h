#pragma once
#include "core/ListeChaines.h"
#include "core/TableFavoris.h"
#include "engine/TypesAfficher.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>

class Horloge;
class VueIntegree;

// The mosaic of a favourites group: each assigned tile in turn plays its channel silently
// in the one-pixel view, is photographed a few seconds later, and shows that picture; the
// loop goes on for as long as the mosaic is shown.
//
// A state machine driven by its own timer, one short step per tick (no nested event loop,
// no sleep). The waits count whole seconds of the clock from the tile's start, as the
// clock reads them. Each tile waits for the snapshot file it asked for and for no other,
// so a late picture of an earlier tile is never shown on the next. The owner tells the
// machine when the mosaic is left (quitter), at once, before starting anything else in
// the view.
class Mosaique : public QObject {
    Q_OBJECT
public:
    static constexpr int NombreTuiles = 8;
    static constexpr int PremierPasMs = 1000;  // from the start to the first step
    static constexpr int PasMs = 50;           // between steps
    static constexpr int LectureS = 4;         // a tile plays this long before its snapshot
    static constexpr int FichierS = 8;         // no snapshot file by then: blank tile
    static constexpr int TailleS = 9;          // the file may stay empty until then
    static constexpr int OuvertureS = 10;      // and unreadable until then

    Mosaique(VueIntegree& vue, Horloge& horloge, const ListeChaines& chaines,
             const TableFavoris& favoris);

    // The mosaic's tab was chosen: empties (or makes) the work folder in the data folder
    // (given with its final "/"), shows group `groupe` waiting, stops the view, shrinks it
    // to one pixel and starts the loop a second later. A second call while the loop runs
    // starts it again: there is never more than one loop.
    void PreparerMosaique(const QString& dossierProgramme, int groupe);
    // Another favourites group was chosen: its tiles wait and the loop restarts at tile 1.
    void changerGroupe(int groupe);
    // The mosaic is left (tab or pane closed, the live view takes over): the loop ends, the
    // view is stopped, and the volume and mute are set to the given state. Does nothing
    // when no loop runs.
    void quitter(int volume, bool muet);

    // A step of the loop (the timer's tick).
    void DoMosaic0_Timer();

    // A mouse button released on tile `index` (1 to 8): the argument for Favori_Click
    // (-index watches with the external player, +index shows in the live view), or 0 when
    // nothing happens (an empty tile, any other button).
    int Mosaic_MouseUp(int index, Qt::MouseButton bouton) const;

    bool enCours() const { return phase_ != Phase::Inactive; }
    int groupe() const { return groupe_; }
    int MosaTuile() const { return tuile_; }
    // The tile the red frame is on; 0 before any assigned tile was refreshed.
    int tuileRouge() const { return rouge_; }
    const TuileMosaique& tuile(int t) const { return tuiles_.at(std::size_t(t - 1)); }
    const QString& dossierSnapshots() const { return dossier_; }
    bool minuterieActive() const { return minuterie_.isActive(); }
    int intervalle() const { return minuterie_.interval(); }

signals:
    void tuileChangee(int t);
    void cadreRouge(int t);

private:
    enum class Phase { Inactive, Armee, Debut, Lecture, Fichier, Taille, Ouverture };

    void avancer();
    void commencerTuile();
    void finirTuile();
    void montrer(int t, const QByteArray& image);
    void repeindre();
    void viderDossier() const;
    QString favori(int t) const;
    int chaineDe(const QString& nom) const;
    qint64 ecoule();

    VueIntegree& vue_;
    Horloge& horloge_;
    const ListeChaines& chaines_;
    const TableFavoris& favoris_;
    QTimer minuterie_;
    Phase phase_ = Phase::Inactive;
    QString dossier_;
    int groupe_ = 0;
    int tuile_ = 0;  // MosaTuile: 0 = the group changed, restart at tile 1
    int rouge_ = 0;
    qint64 debut_ = 0;  // the tile's start, whole seconds
    QString instantane_;
    std::array<TuileMosaique, NombreTuiles> tuiles_{};
};
