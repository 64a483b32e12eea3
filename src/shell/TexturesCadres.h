#pragma once
#include <QPixmap>

#include <vector>

class ImageTexture;
class QWidget;

// One background picture laid under several frames of a panel, each frame continuing the
// panel's tiling. Nothing is laid before the first picture; a frame added after it takes the
// current one.
class TexturesCadres {
public:
    explicit TexturesCadres(const QWidget& reference) : reference_(reference) {}

    bool posees() const { return !textures_.empty(); }
    // The first time, lays a texture under each of `cadres`; then shows `image` in all.
    void definir(const QPixmap& image, const std::vector<QWidget*>& cadres);
    // A frame built later: it takes the current picture (nothing while none was set).
    void ajouterCadre(QWidget* cadre);

private:
    const QWidget& reference_;
    std::vector<ImageTexture*> textures_;
    QPixmap image_;
};
