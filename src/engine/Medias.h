#pragma once
#include "engine/Mediatheque.h"
#include "engine/Mosaique.h"
#include "engine/TypesAfficher.h"
#include "engine/VueDirecte.h"

#include <QObject>
#include <QString>

class EtatFenetre;
class Moteur;
struct Plateforme;
struct Session;

// The media pane's tabs and frames and the single-stream rule. It owns what the frames show:
// the live view of the selected channel, the mosaic of favourites, and the library of
// recordings and snapshots; it tells them which tab and frame are on screen. Whether the pane
// is open is the window's state, which it follows.
class Medias : public QObject {
    Q_OBJECT
public:
    static const QString kMessageFlux;

    // Whether the pane is open is the window's state: the controller follows it.
    Medias(Session& session, Moteur& moteur, Plateforme& plateforme, const EtatFenetre& fenetre);

    bool ouvert() const { return etat_.ouvert; }  // the `Afficher` button is bold
    OngletAfficher onglet() const { return etat_.onglet; }
    CadreAfficher cadre() const { return etat_.cadre; }
    VueDirecte& vueDirecte() { return vue_; }
    Mediatheque& mediatheque() { return mediatheque_; }
    Mosaique& mosaique() { return mosaique_; }
    // The line's single stream is taken by the external player.
    bool bloque() const;

    // The remote-control form's `GoDiffuser` asks for the pane on its mosaic.
    void Mosaique_Demandee();
    // A tab became selected (by the user or by code).
    void AfficherOnglets_Click(OngletAfficher onglet);
    void ArreterVueSiAfficher();

    // A double-click on a channel in the normal window: the channel live in the pane.
    void Chaines_DblClick();
    // The player state changed: with the single-stream option the pane gives the stream up
    // to the external player (live view and mosaic alike); a stop shows the new recordings.
    void etatChange();

    // The favourites group shown: the mosaic follows it.
    void definirGroupe(int groupe);
    // A mouse button released on a mosaic tile (1 to 8).
    void Mosaic_MouseUp(int index, Qt::MouseButton bouton);

signals:
    // Open or close the side pane on the media pane (the form's fold): the pane follows the
    // window's state, which stops the view as the pane folds.
    void basculementDemande();
    void ongletAffiche(OngletAfficher onglet);
    void cadreAffiche(CadreAfficher cadre);
    // Favori_Click(index) of the favourites controller.
    void favoriDemande(int index);

private:
    // The window's state says whether the media pane is open. Opening lands on the live view
    // (on the recordings, with a message, when the single stream is taken); leaving stops the
    // view and the mosaic.
    void suivreFenetre();
    void quitterMosaique();

    Session& session_;
    Plateforme& plateforme_;
    const EtatFenetre& fenetre_;
    EtatAfficher etat_;
    Mosaique mosaique_;
    VueDirecte vue_;
    Mediatheque mediatheque_;
    int groupe_ = 0;
};
