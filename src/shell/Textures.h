#pragma once
#include <QPixmap>
#include <QString>
#include <QWidget>

// The background textures, drawn at run time. Choice 0 ("Aucune") has no picture unless the
// user put both "kelmor1.jpg" and "kelmor2.jpg" in the program's folder and both load;
// choices 1 to 7 are plain pictures of ours. `jeu` 1 is the main panel's set, 2 the options
// pane's. A choice outside 0 to 7 gives the default texture.
QPixmap TextureFond(int choix, int jeu, const QString& dossierProgramme);

inline constexpr int kTextureParDefaut = 1;

// A texture laid under the controls of its parent frame, tiled over the whole frame and
// following its size. With a reference, the tiling starts at the reference's origin, so that
// the frames inside it continue its picture. A null picture shows the style's own background.
class ImageTexture : public QWidget {
public:
    explicit ImageTexture(QWidget* cadre, const QWidget* reference = nullptr);
    void definir(const QPixmap& image);
    const QPixmap& image() const { return image_; }

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QPixmap image_;
    const QWidget* reference_;
};
