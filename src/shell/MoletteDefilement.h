#pragma once
#include <QObject>

// Watching a list or a slider: the wheel over it scrolls the scroll area that holds it and
// never changes its value, which only the user's pick does.
class MoletteDefilement : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;
};
