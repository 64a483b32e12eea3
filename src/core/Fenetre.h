#pragma once
#include "engine/EtatLecteur.h"
#include "engine/ProgListe.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

class ListeChaines;

// What the application needs of its main window. The real one is the widget Fond;
// tests may use their own. Sizes and positions are in twips (15 twips = 1 pixel).
class Fenetre {
public:
    virtual ~Fenetre() = default;
    virtual void afficherChaines(const ListeChaines& liste) = 0;
    // Selects a channel (-1 = none) and refreshes what depends on it.
    virtual void selectionnerChaine(int index) = 0;
    virtual void afficherEtat(const VueEtat& vue) = 0;
    virtual void definirTitre(const QString& titre) = 0;
    virtual void definirIconeEnregistrement(bool enregistrement) = 0;
    virtual QSize tailleEcran() = 0;
    virtual QSize tailleFenetre() = 0;
    virtual QPoint position() = 0;
    virtual void placer(const QPoint& position) = 0;
    // Shows the window, fading it in from fully transparent.
    virtual void fonduEntree() = 0;
    // Minimises to the notification area, or normally where there is none.
    virtual void minimiser() = 0;
    // Starts the 10-second clock.
    virtual void demarrerHorloge() = 0;
    // The window takes no input while it waits for the player.
    virtual void activer(bool actif) = 0;
    // Gives the focus back to the main window after a player started.
    virtual void reprendreFocus() = 0;
    // Looks of the two toggles: re-broadcast (TV) and mute.
    virtual void afficherBascules(bool tv, bool muet) = 0;
    // Pressed look of the snapshot buttons.
    virtual void afficherPhotoEnCours(bool enCours) = 0;
    // Time-shift buffering bar: step 0 to 30 shows it, -1 hides it.
    virtual void afficherTampon(int etape) = 0;
    // The manual recording's duration pop-up, placed at the mouse pointer.
    virtual void afficherDuree(bool visible, const QString& texte, bool annulerActif) = 0;
    // The schedule list, its selected line and the editor's buttons.
    virtual void afficherProgrammes(const QStringList& lignes, int selection, const BoutonsProgramme& boutons) = 0;
    virtual ValeursEditeur lireEditeur() = 0;
    virtual void ecrireEditeur(const ValeursEditeur& valeurs) = 0;
    // Progress of the running scheduled recording (0 to 1) and its size and time left.
    virtual void afficherProgression(double fraction, const QString& texte) = 0;
    // Free space of the recording drive; fraction < 0 when the total is unknown.
    virtual void afficherEspaceLibre(const QString& texte, double fraction) = 0;
    virtual void afficherExtinctionOFF(bool visible) = 0;
    // Brings the favourites frame in front of the channel list, or back behind it.
    virtual void Fav_Click() = 0;
    // Closes the window through the same path as its close button (sansQuestion: as the
    // session's end does).
    virtual void fermer(bool sansQuestion) = 0;
};
