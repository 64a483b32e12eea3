#pragma once
#include "core/FichierParametres.h"
#include "core/ListeChaines.h"
#include "core/Plateforme.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>

class Fenetre;
class Transport;
class EnregistrementManuel;
class Programmation;

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
    // The 10-second timer fired. The tick never runs inside another engine operation:
    // it then waits for that operation to end.
    void Horloge_Timer();

    // Marks an engine operation (a player started or stopped, a schedule change) as running
    // for the life of the returned object.
    class OperationMoteur {
    public:
        explicit OperationMoteur(Application& a) : app_(a) { ++app_.operations_; }
        ~OperationMoteur();
        OperationMoteur(const OperationMoteur&) = delete;
        OperationMoteur& operator=(const OperationMoteur&) = delete;

    private:
        Application& app_;
    };
    OperationMoteur operationMoteur() { return OperationMoteur(*this); }
    bool operationEnCours() const { return operations_ > 0; }
    // The selection of the channel list changed (by the user or by code).
    void Chaines_Click(int index);
    // A double-click on a channel: watch it.
    void Chaines_DblClick();

    // Data of the window.
    Plateforme& plateforme;
    Fenetre& fenetre;
    ContenuParametres parametres;
    ListeChaines chaines;
    int chaineSelectionnee = -1;
    int Etat = 0;
    QString ChaineEnCours;
    QDateTime FinEnregistrement;  // end of the manual recording's chosen duration; invalid = none
    QString DossierProgramme;
    QString DossierEnregistrement;
    QStringList OptionsVLC;
    bool TV = false;    // re-broadcast to the television
    bool Muet = false;  // the player's sound is cut
    std::unique_ptr<Transport> transport;
    std::unique_ptr<EnregistrementManuel> enregistrement;
    std::unique_ptr<Programmation> programmation;

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
    int operations_ = 0;
    bool ferme_ = false;  // the close went through: no tick may start anything any more
    enum class Fermeture { Aucune, ParUtilisateur, SansQuestion };
    Fermeture fermetureEnAttente_ = Fermeture::Aucune;
    bool ticEnAttente_ = false;
};

// Searches the command line's arguments (never the program's own path) for a switch.
bool contientOption(const QStringList& arguments, const QString& option);
