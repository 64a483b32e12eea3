#include "support/Xdotool.h"

#include "support/Attente.h"

#include <QProcess>
#include <QRegularExpression>

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

quintptr fenetreActive()
{
    QString sortie;
    if (!xdotool({"getactivewindow"}, &sortie))
        return 0;
    return sortie.toULongLong();
}

namespace {
QString xprop(const QStringList& args)
{
    QProcess p;
    p.start("xprop", args);
    if (!p.waitForFinished(5000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}
}  // namespace

bool GestionnaireFenetres::demarre()
{
    if (!processus_.waitForStarted(5000))
        return false;
    // A window shown before the manager runs may never be framed nor exposed.
    return attendreQue([] {
        const auto m = QRegularExpression("window id # (0x[0-9a-f]+)").match(xprop({"-root", "_NET_SUPPORTING_WM_CHECK"}));
        return m.hasMatch() && !xprop({"-id", m.captured(1), "_NET_WM_NAME"}).isEmpty();
    }, 5000);
}
