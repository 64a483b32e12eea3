#include "engine/NomEnregistrement.h"

#include "engine/CodesLecteur.h"
#include "engine/ValidationLecteur.h"

QString nettoyerNomChaine(const QString& nomChaine)
{
    QString nom = nomChaine;
    nom.replace(u'>', u' ').replace(u'/', u' ').replace(u'\'', u' ');
    return nettoyerTexteChaine(nom);
}

QString extensionEnregistrement(const Parametres& p)
{
    if (!p.VENC)
        return QStringLiteral(".mpg");
    return p.AUDO ? extensionAudio(p.ACOD) : extensionVideo(p.VCOD);
}

QString NomFichierEnregistrement(const QString& dossier, const QDateTime& maintenant,
                                 const QString& nomChaine, const Parametres& p)
{
    return dossier + QStringLiteral("Kelmor ")
           + maintenant.toString(QStringLiteral("yyyy-MM-dd hh-mm-ss")) + u' '
           + nettoyerNomChaine(nomChaine) + extensionEnregistrement(p);
}
