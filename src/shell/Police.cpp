#include "shell/Police.h"

#include <QApplication>

QFont PoliceApplication()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(7);
    // Without DejaVu, the nearest sans-serif the desktop has.
    f.setStyleHint(QFont::SansSerif);
    return f;
}

void appliquerPoliceApplication()
{
    QApplication::setFont(PoliceApplication());
}
