#include "shell/GlisserFenetre.h"

#include "shell/AuDessusX11.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

GlisserFenetre::GlisserFenetre(QWidget& fenetre) : QObject(&fenetre), fenetre_(fenetre) {}

bool GlisserFenetre::eventFilter(QObject* objet, QEvent* e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() != Qt::LeftButton)
            break;
        appui_ = true;
        glisse_ = false;
        depart_ = m->globalPosition().toPoint();
        prise_ = depart_ - fenetre_.pos();
        return true;
    }
    case QEvent::MouseMove: {
        if (!appui_ && !glisse_)
            break;
        auto* m = static_cast<QMouseEvent*>(e);
        if (!(m->buttons() & Qt::LeftButton)) {
            // Its release went elsewhere.
            appui_ = glisse_ = false;
            break;
        }
        const QPoint ici = m->globalPosition().toPoint();
        if (appui_) {
            if ((ici - depart_).manhattanLength() < QGuiApplication::styleHints()->startDragDistance())
                return true;
            appui_ = false;
            if (!surX11() && fenetre_.windowHandle() && fenetre_.windowHandle()->startSystemMove())
                return true;
            glisse_ = true;
        }
        fenetre_.move(ici - prise_);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if ((appui_ || glisse_) && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            appui_ = glisse_ = false;
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(objet, e);
}

bool SansDoubleClic::eventFilter(QObject* objet, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonDblClick)
        return true;
    return QObject::eventFilter(objet, e);
}
