#pragma once
#include <QTabBar>

// One row of the options' tab strip, in two rows as the pane is narrow. The row that does not
// hold the selected tab shows none as selected, and any of its tabs can still be chosen: by a
// click, by an arrow key on the focused row, or by a screen reader's "Press" on the tab.
class RangeeOnglets : public QTabBar {
    Q_OBJECT
public:
    explicit RangeeOnglets(QWidget* parent = nullptr);

    void definirActive(bool active);
    bool active() const { return active_; }
    // The user chose tab `i` (0-based) of this row.
    void choisir(int i);

signals:
    void choisi(int i);

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool active_ = false;
};
