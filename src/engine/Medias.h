#pragma once
#include "engine/FichiersMedias.h"
#include "engine/Mosaique.h"
#include "engine/TypesAfficher.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTimer>

class Moteur;
struct Plateforme;
struct Session;

// The files being written right now (the manual recording, the scheduled one, the
// time-shift buffer), whose deletion is refused: on this system deleting an open file
// succeeds and the recording would go on into nothing.
QStringList FichiersEnCours(const Session& session);

// The media pane's controller: the live view of the selected channel with its waiting
// picture, the mosaic of favourites, the recordings and snapshots of the recording folder,
// and the single-stream rule. The pane shows what the signals tell; whether the pane is open
// is the window's form, told through definirOuvert.
class Medias : public QObject {
    Q_OBJECT
public:
    static constexpr int AttenteMs = 3000;  // the waiting picture stays this long after a start

    static const QString kMessageFlux;
    static const QString kMessageUtilise;
    static const QString kMessageLecteurActif;
    static const QString kMessageNomIllisible;

    Medias(Session& session, Moteur& moteur, Plateforme& plateforme);

    bool ouvert() const { return ouvert_; }  // the `Afficher` button is bold
    OngletAfficher onglet() const { return onglet_; }
    CadreAfficher cadre() const { return cadre_; }
    bool attenteVisible() const { return attenteVisible_; }
    const QTimer& Attente() const { return attente_; }
    Mosaique& mosaique() { return mosaique_; }
    const QString& motif() const { return motif_; }
    const QStringList& fichiers() const { return fichiers_; }
    int selection() const { return selection_; }
    bool TV2() const { return tv2_; }
    // The line's single stream is taken by the external player.
    bool bloque() const;

    // The pane button: stops the view when the pane is open, and asks the window to fold or
    // unfold the pane.
    void Afficher_Click();
    // The window's form says whether the media pane is open. Opening lands on the live view
    // (on the recordings, with a message, when the single stream is taken); leaving stops the
    // view and the mosaic.
    void definirOuvert(bool ouvert);
    // A tab became selected (by the user or by code).
    void AfficherOnglets_Click(OngletAfficher onglet);

    void LancerLectureIntegree();
    void Attente_Timer();
    void ArreterVueSiAfficher();

    // The channel selection changed: the live view follows it.
    void Chaines_Click();
    // A double-click on a channel in the normal window: the channel live in the pane.
    void Chaines_DblClick();
    // The player state changed: with the single-stream option the pane gives the stream up
    // to the external player (live view and mosaic alike).
    void etatChange();

    // The favourites group shown: the mosaic follows it.
    void definirGroupe(int groupe);
    // Size of the view's frame, twips.
    void definirTailleVue(const QSize& twips);

    void AfficherRefresh_Click();
    void AfficherListe_Click(int index);
    void TV2_Click();
    void AfficherRegarder_Click();
    void AfficherListe_DblClick() { AfficherRegarder_Click(); }
    void AfficherAutres_Click();
    void AfficherEffacer_Click();
    void AfficherTout_Click();
    // Plays one file: folder with its final "/", and the file's name.
    void RegarderFichier(const QString& dossier, const QString& fichier);
    // A mouse button released on a mosaic tile (1 to 8).
    void Mosaic_MouseUp(int index, Qt::MouseButton bouton);

    // The compact row under the live view. Sound and snapshot act on the view itself; the
    // channel steps select within the list and never start the external player.
    int volume() const { return volumeVue_; }
    bool muet() const { return muetVue_; }
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
    // Open or close the side pane on the media pane (the form's fold).
    void basculementDemande();
    void ongletAffiche(OngletAfficher onglet);
    void cadreAffiche(CadreAfficher cadre);
    void attenteAffichee(bool visible);
    // The file list: names, the selected index (-1: none), and whether the watch and delete
    // buttons are enabled.
    void listeAffichee(const QStringList& noms, int selection, bool boutonsActifs);
    void TV2Affiche(bool gras, bool actif);
    // Favori_Click(index) of the favourites controller.
    void favoriDemande(int index);

private:
    void quitterMosaique();
    void preparerVue();
    void afficherListe();
    bool enCours(const QString& chemin) const;

    Session& session_;
    Moteur& moteur_;
    Plateforme& plateforme_;
    Mosaique mosaique_;
    QTimer attente_;
    bool ouvert_ = false;
    bool vuePlacee_ = false;
    OngletAfficher onglet_ = OngletAfficher::Direct;
    CadreAfficher cadre_ = CadreAfficher::Aucun;
    bool attenteVisible_ = false;
    QSize tailleVue_;
    int groupe_ = 0;
    // The view's sound, set by the compact row; the mosaic silences the view while it runs
    // and gives these back when it ends.
    int volumeVue_ = 100;
    bool muetVue_ = false;
    QString motif_;
    QList<FichierMedia> entrees_;  // the files listed, their names as the disk holds them
    QStringList fichiers_;         // the same, as shown
    int selection_ = -1;
    bool tv2_ = false;
};
