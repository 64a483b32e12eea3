#pragma once
#include <QWidget>

class QPainter;

// The picture shown over the live view while it connects: drawn here.
void PeindreAttente(QPainter& p, const QRect& zone);

// The waiting picture as a widget of its own (a native window over the video's).
class ImageAttente : public QWidget {
public:
    explicit ImageAttente(QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
};
