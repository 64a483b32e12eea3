#pragma once
#include "core/FichierParametres.h"
#include "core/ListeChaines.h"
#include "core/Plateforme.h"

#include <QString>
#include <QStringList>
#include <memory>

class Fenetre;
class Transport;

// The application object: it owns the data the main window shows and edits, and runs
// the start-up, the saves and the shut-down. It works on the window only through Fenetre.
class Application {
public:
    Application(Plateforme& plateforme, Fenetre& fenetre);
    ~Application();

    // Start-up. False when the program must end now (nothing saved, no window shown).
    bool Form_Load(const QStringList& arguments);
    bool demarreMinimise() const { return demarreMinimise_; }
    // Start-up has written the settings file: from then on a close saves them.
    bool parametresEcrits() const { return parametresEcrits_; }

    // Rewrites the settings file whole. False (and the user told) when it could not be written.
    bool EcrireParametres();

    // The window is closing. `parUtilisateur`: the user asked for it (close button or quit),
    // as opposed to the session ending. False when the user refused the close.
    bool Form_QueryUnload(bool parUtilisateur);

    void ChangerEtat(int nouvelEtat);
    void ActualiserTitre();
    // One tick of the 10-second clock.
    void Horloge_Timer();
    // The selection of the channel list changed (by the user or by code).
    void Chaines_Click(int index);

    // Data of the window.
    Plateforme& plateforme;
    Fenetre& fenetre;
    ContenuParametres parametres;
    ListeChaines chaines;
    int chaineSelectionnee = -1;
    int Etat = 0;
    QString ChaineEnCours;
    QString FinEnregistrement;
    QString DossierProgramme;
    QString DossierEnregistrement;
    QStringList OptionsVLC;
    bool TV = false;    // re-broadcast to the television
    bool Muet = false;  // the player's sound is cut
    std::unique_ptr<Transport> transport;

    QString cheminParametres() const { return DossierProgramme + "Kelmor.ini"; }
    QString cheminListeChaines() const { return DossierProgramme + "Kelmor.cfg"; }
    QString nomChaineSelectionnee() const;

private:
    bool chercherLecteur();
    void placerFenetre();
    void ecrireDemarrageAutomatique();
    void nettoyerInstantanes();

    bool demarreMinimise_ = false;
    bool parametresEcrits_ = false;
};

// Searches the command line's arguments (never the program's own path) for a switch.
bool contientOption(const QStringList& arguments, const QString& option);
