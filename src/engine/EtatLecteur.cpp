#include "engine/EtatLecteur.h"

using namespace EtatLecteur;

QString ChaineEnCoursPour(int etat, const QString& chaineEnCours, const QString& chaineSelectionnee)
{
    if (etat == EtatArret || etat == EtatFinProgramme)
        return {};
    if (etat == EtatProgramme)
        return chaineEnCours;
    return chaineSelectionnee;
}

VueEtat CalculerVueEtat(int etat, const QString& chaineEnCours)
{
    VueEtat v;
    v.remettreProgression = etat == EtatArret || etat == EtatFinProgramme;
    v.infoBulleRegarderX = " Arrêter la lecture de " + chaineEnCours + " ";
    v.infoBulleEnregistrerX = " Arrêter l'enregistrement de " + chaineEnCours + " ";
    v.remettreMute = etat == EtatArret;
    v.progBarVisible = etat == EtatProgramme;
    v.stopAllGras = etat == EtatArret;
    v.playGras = etat & EtatLecture;
    v.recGras = etat & EtatEnregistrement;
    v.shiftGras = etat & EtatDiffere;
    v.pauseGras = etat & EtatPause;
    v.regarderXActif = v.playGras;
    v.enregistrerXActif = v.recGras;
    v.photographierActif = (etat & MasqueImage) != 0;
    v.iconeEnregistrement = (etat & MasqueEnregistrement) != 0;
    return v;
}

QString TitreFenetre(const QTime& heure, int etat, const QString& chaineEnCours)
{
    QString t = "Kelmor - " + heure.toString("hh:mm");
    if (etat == EtatEnregistrement)
        t += " - " + chaineEnCours + " (enregistrement manuel)";
    else if (etat == EtatProgramme)
        t += " - " + chaineEnCours + " (enregistrement automatique)";
    return t;
}
