#pragma once
#include <QFrame>

class QProgressBar;

// The time-shift buffering bar, over the other controls while the buffer fills.
class BarreTampon : public QFrame {
    Q_OBJECT
public:
    explicit BarreTampon(QWidget* parent = nullptr);
    // Step 0 to 30 shows the bar at that step, centred in the parent; -1 hides it.
    void afficherEtape(int etape);

private:
    QProgressBar* barre_;
};
