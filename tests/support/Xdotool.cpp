#include "support/Xdotool.h"

#include <QProcess>

bool xdotool(const QStringList& args, QString* sortie)
{
    QProcess p;
    p.start("xdotool", args);
    const bool ok = p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (sortie)
        *sortie = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    return ok;
}

QRect geometrieX(quintptr fenetre)
{
    QString sortie;
    if (!xdotool({"getwindowgeometry", "--shell", QString::number(fenetre)}, &sortie))
        return {};
    int x = 0, y = 0, l = 0, h = 0;
    for (const QString& ligne : sortie.split('\n')) {
        const QString cle = ligne.section('=', 0, 0), valeur = ligne.section('=', 1);
        if (cle == "X")
            x = valeur.toInt();
        else if (cle == "Y")
            y = valeur.toInt();
        else if (cle == "WIDTH")
            l = valeur.toInt();
        else if (cle == "HEIGHT")
            h = valeur.toInt();
    }
    return {x, y, l, h};
}
