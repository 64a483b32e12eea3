#include "shell/TexturesCadres.h"

#include "shell/Textures.h"

void TexturesCadres::definir(const QPixmap& image, const std::vector<QWidget*>& cadres)
{
    image_ = image;
    if (textures_.empty())
        for (QWidget* c : cadres)
            textures_.push_back(new ImageTexture(c, &reference_));
    for (ImageTexture* t : textures_)
        t->definir(image);
}

void TexturesCadres::ajouterCadre(QWidget* cadre)
{
    if (textures_.empty())
        return;
    textures_.push_back(new ImageTexture(cadre, &reference_));
    textures_.back()->definir(image_);
}
