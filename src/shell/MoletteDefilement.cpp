#include "shell/MoletteDefilement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScrollArea>
#include <QWidget>

bool MoletteDefilement::eventFilter(QObject* objet, QEvent* e)
{
    if (e->type() != QEvent::Wheel || !objet->isWidgetType())
        return QObject::eventFilter(objet, e);
    for (QWidget* w = static_cast<QWidget*>(objet)->parentWidget(); w; w = w->parentWidget())
        if (auto* defilement = qobject_cast<QScrollArea*>(w)) {
            QCoreApplication::sendEvent(defilement->viewport(), e);
            break;
        }
    return true;
}
