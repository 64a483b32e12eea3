#include "platform/reel/SurfaceVideo.h"

#include <QResizeEvent>

SurfaceVideo::SurfaceVideo(QWidget* hote, std::function<void()> avantDestruction,
                           std::function<void(QSize)> redimensionnee)
    : QWidget(hote), avantDestruction_(std::move(avantDestruction)), redimensionnee_(std::move(redimensionnee))
{
    setAttribute(Qt::WA_NativeWindow);
    // The player draws here and the X server paints the rest black: the toolkit never
    // paints over it (it would copy what lies under the window into the bands).
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

SurfaceVideo::~SurfaceVideo()
{
    // Still whole here: its native window goes only in QWidget's own destructor.
    if (avantDestruction_)
        avantDestruction_();
}

void SurfaceVideo::detacher()
{
    avantDestruction_ = nullptr;
    redimensionnee_ = nullptr;
}

QSize SurfaceVideo::tailleNative() const
{
    return (QSizeF(size()) * devicePixelRatioF()).toSize();
}

void SurfaceVideo::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (redimensionnee_)
        redimensionnee_(tailleNative());
}
