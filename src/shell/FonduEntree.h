#pragma once
#include <QObject>
#include <QTimer>

#include <vector>

class QWidget;

// The window's fade-in from fully transparent: one step per turn of the event loop, so that
// nothing waits and the window paints each step.
class FonduEntree : public QObject {
public:
    explicit FonduEntree(QWidget& fenetre);

    // Shows the window transparent, then brings it to opaque step by step.
    void demarrer();

private:
    QWidget& fenetre_;
    QTimer pas_;
    std::size_t etape_ = 0;
};

// The opacity steps (0 to 255) of the fade-in.
std::vector<int> EtapesFondu();
