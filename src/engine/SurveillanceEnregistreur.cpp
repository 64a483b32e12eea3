#include "engine/SurveillanceEnregistreur.h"

void SurveillanceEnregistreur::commencer(const QString& fichier, const QDateTime& maintenant)
{
    fichier_ = fichier;
    taille_ = -1;
    croissance_ = maintenant;
    vu_ = maintenant;
}

SurveillanceEnregistreur::Verdict SurveillanceEnregistreur::verifier(bool lecteurEnCours, std::int64_t taille,
                                                                     const QDateTime& maintenant)
{
    if (!active())
        return Verdict::Normal;
    if (!lecteurEnCours) {
        arreter();
        return Verdict::LecteurArrete;
    }
    const qint64 ecart = vu_.secsTo(maintenant);
    vu_ = maintenant;
    if (taille > taille_) {
        taille_ = taille;
        croissance_ = maintenant;
        return Verdict::Normal;
    }
    if (ecart > kEcartMaximal || ecart < 0) {
        croissance_ = maintenant;
        return Verdict::Normal;
    }
    if (croissance_.secsTo(maintenant) < kSecondesSansCroissance)
        return Verdict::Normal;
    arreter();
    return Verdict::FichierFige;
}

QString RaisonEchecEnregistrement(SurveillanceEnregistreur::Verdict verdict)
{
    switch (verdict) {
    case SurveillanceEnregistreur::Verdict::LecteurArrete:
        return QStringLiteral("le lecteur vlc s'est fermé.");
    case SurveillanceEnregistreur::Verdict::FichierFige:
        return QStringLiteral("le fichier ne grossit plus depuis une minute\n"
                              "(la chaîne n'est plus reçue ou le disque est plein).");
    case SurveillanceEnregistreur::Verdict::Normal:
        break;
    }
    return {};
}

QString MessageEchecDiffere(const QString& chaine, const QString& fichier, SurveillanceEnregistreur::Verdict verdict)
{
    return QStringLiteral("Le time shifting de ") + chaine + QStringLiteral(" a été arrêté : ")
           + RaisonEchecEnregistrement(verdict) + QStringLiteral("\n\nLe tampon du différé n'est plus écrit :\n")
           + fichier;
}

QString MessageEchecEnregistrement(bool programme, const QString& chaine, const QString& fichier,
                                   SurveillanceEnregistreur::Verdict verdict)
{
    const QString texte = programme ? QStringLiteral("L'enregistrement programmé de ") + chaine
                                          + QStringLiteral(" s'est interrompu avant sa fin : ")
                                    : QStringLiteral("L'enregistrement de ") + chaine
                                          + QStringLiteral(" s'est interrompu : ");
    return texte + RaisonEchecEnregistrement(verdict)
           + QStringLiteral("\n\nLe fichier suivant est incomplet :\n") + fichier;
}
