#include "engine/LectureHorloge.h"

#include "engine/EtatLecteur.h"
#include "engine/Session.h"
#include "platform/Plateforme.h"

RapportEnregistreur surveillerEnregistreur(Session& session, Plateforme& plateforme, const QDateTime& maintenant)
{
    SurveillanceEnregistreur& s = session.surveillance;
    const bool differe = enDiffere(session.Etat);
    if (!s.active() || !(avecEnregistrement(session.Etat) || differe))
        return {};
    const QString fichier = s.fichier();
    const RoleLecteur role = differe ? RoleLecteur::DiffereEnregistreur : RoleLecteur::Enregistreur;
    const auto verdict =
        s.verifier(plateforme.lecteurs.enCours(role), plateforme.disque.tailleFichier(fichier), maintenant);
    if (verdict == SurveillanceEnregistreur::Verdict::Normal)
        return {};
    const QString chaine = session.ChaineEnCours;
    if (enProgramme(session.Etat))
        return {MessageEchecEnregistrement(true, chaine, fichier, verdict), std::nullopt};
    return {std::nullopt, differe ? MessageEchecDiffere(chaine, fichier, verdict)
                                  : MessageEchecEnregistrement(false, chaine, fichier, verdict)};
}

EntreeHorloge lireEntreeHorloge(const Session& session, Plateforme& plateforme, const QDateTime& maintenant)
{
    const Parametres& reglages = session.parametres.p;
    EntreeHorloge e;
    e.maintenant = maintenant;
    if (session.FinEnregistrement)
        e.resteEnregistrementMs = *session.FinEnregistrement - plateforme.horloge.ecouleMs();
    e.chaines = session.chaines.noms();
    e.fichierEnregistre = session.FichierEnregistre;
    e.tailleFichier =
        session.FichierEnregistre.isEmpty() ? -1 : plateforme.disque.tailleFichier(session.FichierEnregistre);
    e.texteTaille = session.texteTaille;
    e.programmeApres = reglages.AUTR;
    e.programme = reglages.AUTP;
    e.argumentsProgramme = reglages.AUTL;
    e.extinction = session.Extinction && !reglages.AUTR;
    return e;
}
