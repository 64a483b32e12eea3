#pragma once
#include "engine/FichiersMedias.h"
#include "engine/TypesAfficher.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class Moteur;
struct Plateforme;
struct Session;

// The files being written right now (the manual recording, the scheduled one, the
// time-shift buffer), whose deletion is refused: on this system deleting an open file
// succeeds and the recording would go on into nothing.
QStringList FichiersEnCours(const Session& session);

// The media library: the recordings and snapshots of the recording folder, listed on the
// media pane's file tabs (which tab is the pane's state), watched and deleted. Files are
// deleted through the platform's disk.
class Mediatheque : public QObject {
    Q_OBJECT
public:
    static const QString kMessageUtilise;
    static const QString kMessageLecteurActif;
    static const QString kMessageNomIllisible;
    // The desktop has no program for the file; a video could still be played with VLC.
    static QString MessageSansProgramme(const QString& chemin, bool video);

    Mediatheque(Session& session, Moteur& moteur, Plateforme& plateforme, const EtatAfficher& etat);

    const QString& motif() const { return motif_; }
    const QStringList& fichiers() const { return fichiers_; }
    int selection() const { return selection_; }
    bool TV2() const { return tv2_; }

    // A file tab was chosen: its files are the ones listed from now on.
    void choisirOnglet(OngletAfficher onglet);

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
    // The external player's snapshot: once written, it shows in the list.
    void photoEnCours(bool enCours);

signals:
    // The file list: names, the selected index (-1: none), and whether the watch and delete
    // buttons are enabled.
    void listeAffichee(const QStringList& noms, int selection, bool boutonsActifs);
    void TV2Affiche(bool gras, bool actif);

private:
    void afficherListe();
    bool enCours(const FichierMedia& fichier) const;
    bool supprimer(const FichierMedia& fichier);

    Session& session_;
    Moteur& moteur_;
    Plateforme& plateforme_;
    const EtatAfficher& etat_;
    QString motif_;
    QList<FichierMedia> entrees_;  // the files listed, their names as the disk holds them
    QStringList fichiers_;         // the same, as shown
    int selection_ = -1;
    bool tv2_ = false;
};
