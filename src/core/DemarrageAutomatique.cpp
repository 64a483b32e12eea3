#include "core/DemarrageAutomatique.h"

namespace {
// Quotes one argument of an Exec key: the quoting rules first, then the string escapes.
QString argumentExec(const QString& arg)
{
    QString q;
    for (const QChar c : arg) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            q += '\\';
        q += c;
    }
    q.replace("\\", "\\\\");
    q.replace("%", "%%");
    q.replace("\n", " ");
    return '"' + q + '"';
}
}  // namespace

QString EntreeDemarrageAutomatique(const QString& programme)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Kelmor\n"
           "Exec=" + argumentExec(programme) + " /m\n"
           "X-GNOME-Autostart-enabled=true\n";
}
