#include "engine/OptionsVue.h"

#include "engine/CodesLecteur.h"
#include "platform/PrefixeInstantane.h"

namespace {
QStringList optionsInstantanes(QString dossier)
{
    // The root folder keeps its "/": an empty path would send the snapshots elsewhere.
    if (dossier.size() > 1 && dossier.endsWith(u'/'))
        dossier.chop(1);
    return {QStringLiteral(":snapshot-format=jpg"), QStringLiteral(":snapshot-path=") + dossier};
}
}  // namespace

QStringList OptionsElementVue(const QString& dossierEnregistrement, const Parametres& p)
{
    QStringList options = optionsInstantanes(dossierEnregistrement);
    if (p.INTR) {
        const QString mode = modeDesentrelacement(p.LACE);
        if (!mode.isEmpty())
            options << QStringLiteral(":video-filter=deinterlace")
                    << QStringLiteral(":deinterlace-mode=") + mode;
    }
    options << QString();
    return options;
}

QString DossierSnapshots(const QString& dossierProgramme)
{
    return dossierProgramme + QStringLiteral("TMP");
}

QString MotifSnapshots()
{
    return PrefixeInstantane + QStringLiteral("*.jpg");
}

QStringList OptionsMosaique(const QString& dossierSnapshots)
{
    return optionsInstantanes(dossierSnapshots) << QStringLiteral(":no-audio") << QString();
}
