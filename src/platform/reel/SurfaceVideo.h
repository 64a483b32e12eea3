#pragma once
#include <QSize>
#include <QWidget>

#include <functional>

// The native widget that holds the window VLC draws into, and keeps that window at its size.
// `avantDestruction` is told while its native window still exists; `redimensionnee` gets
// its size in device pixels.
class SurfaceVideo : public QWidget {
public:
    SurfaceVideo(QWidget* hote, std::function<void()> avantDestruction, std::function<void(QSize)> redimensionnee);
    ~SurfaceVideo() override;

    QPaintEngine* paintEngine() const override { return nullptr; }
    // Nothing is told any more: its owner goes first.
    void detacher();
    QSize tailleNative() const;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    std::function<void()> avantDestruction_;
    std::function<void(QSize)> redimensionnee_;
};
