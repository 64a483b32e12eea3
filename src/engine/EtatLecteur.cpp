#include "engine/EtatLecteur.h"

QString ChaineEnCoursPour(EtatLecteur etat, const QString& chaineEnCours, const QString& chaineSelectionnee)
{
    if (etat == EtatLecteur::Arret || etat == EtatLecteur::FinProgramme)
        return {};
    if (etat == EtatLecteur::Programme)
        return chaineEnCours;
    return chaineSelectionnee;
}

VueEtat CalculerVueEtat(EtatLecteur etat, const QString& chaineEnCours)
{
    VueEtat v;
    v.remettreProgression = etat == EtatLecteur::Arret || etat == EtatLecteur::FinProgramme;
    v.infoBulleRegarderX = " Arrêter la lecture de " + chaineEnCours + " ";
    v.infoBulleEnregistrerX = " Arrêter l'enregistrement de " + chaineEnCours + " ";
    v.remettreMute = etat == EtatLecteur::Arret;
    v.progBarVisible = etat == EtatLecteur::Programme;
    v.stopAllGras = etat == EtatLecteur::Arret;
    v.playGras = enLecture(etat);
    v.recGras = enEnregistrement(etat);
    v.shiftGras = enDiffere(etat);
    v.pauseGras = enPause(etat);
    v.regarderXActif = v.playGras;
    v.enregistrerXActif = v.recGras;
    v.photographierActif = avecImage(etat);
    v.iconeEnregistrement = avecEnregistrement(etat);
    return v;
}

QString TitreFenetre(const QTime& heure, EtatLecteur etat, const QString& chaineEnCours)
{
    QString t = "Kelmor - " + heure.toString("hh:mm");
    if (etat == EtatLecteur::Enregistrement)
        t += " - " + chaineEnCours + " (enregistrement manuel)";
    else if (etat == EtatLecteur::Programme)
        t += " - " + chaineEnCours + " (enregistrement automatique)";
    return t;
}
