#pragma once
#include "engine/ProgListe.h"

#include <QString>

class Application;

// The recording schedule as the window runs it: the editor's buttons, the 10-second clock
// and what it starts and ends, the free-space display and the automatic shutdown.
class Programmation {
public:
    explicit Programmation(Application& app) : app_(app) {}

    // Start-up: every stored entry goes through the add operation again, silently.
    void Recharger(const QStringList& lignes);

    bool AjouterProgramme(const ValeursEditeur& valeurs, bool demander);
    void ProgOK_Click();
    void Stopper_Click();
    void Modifier_Click();
    void SupprimerSelection_Click();
    void ToutSupprimer_Click();
    void Nettoyer_Click();
    void ProgListe_Click(int index);
    void ExtinctionOFF_Click();
    void AfficherEspaceLibre();
    // The editor as the programming tab shows it when it opens.
    void InitialiserEditeur();

    void Horloge_Timer();

    ProgListe liste;
    ValeursEditeur editeur;
    bool Extinction = false;      // shut the computer down after the recording
    QString FichierEnregistre;    // file of the running scheduled recording
    QString texteTaille = QStringLiteral("0 Mo");

private:
    void rafraichir();
    void arreterProgramme();
    void apresSuppression(const ResultatSuppression& r);
    void tic(QStringList& exclamations, QStringList& informations);

    Application& app_;
};
