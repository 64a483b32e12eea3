#pragma once
#include <QObject>
#include <QPoint>

class QWidget;

// Moves the window when its background is dragged: installed on the background frames. A
// left press, then a move with the button held past the drag distance, moves the window; a
// plain click moves nothing. Under X11 the window is moved here, from the pointer's global
// positions: the window system's own move would start from the last place the top-level saw
// the pointer, stale once its children are native windows (the live view's). Elsewhere the
// window system moves it when it can.
class GlisserFenetre : public QObject {
    Q_OBJECT
public:
    explicit GlisserFenetre(QWidget& fenetre);

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    QWidget& fenetre_;
    bool appui_ = false;   // left button down on a background, the pointer not moved yet
    bool glisse_ = false;  // dragged by hand where the window system does not move it
    QPoint depart_;        // where the left button went down, global
    QPoint prise_;         // the same, from the window's top-left
};

// The pane buttons fold what they unfolded: the second click of a double-click is no click.
class SansDoubleClic : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;
};
