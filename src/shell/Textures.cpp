#include "shell/Textures.h"

#include <QEvent>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>

namespace {
constexpr int kCote = 128;  // tiled by the frames that show it

struct Teintes {
    QColor claire;
    QColor sombre;
};

// The two colours of each choice; the options pane's set is a shade lighter.
Teintes teintes(int choix, int jeu)
{
    static const Teintes t[] = {
        {},
        {QColor(0xd8, 0xdc, 0xe0), QColor(0x9a, 0xa0, 0xa8)},  // Métal
        {QColor(0xc8, 0x9a, 0x64), QColor(0x8a, 0x5a, 0x2c)},  // Bois
        {QColor(0xb8, 0xd0, 0xf0), QColor(0x50, 0x78, 0xc0)},  // Bleu
        {QColor(0xff, 0xf4, 0xb0), QColor(0xe0, 0xc0, 0x30)},  // Jaune
        {QColor(0xff, 0xc0, 0x40), QColor(0xc0, 0x20, 0x10)},  // Feu
        {QColor(0xf0, 0xf0, 0xf0), QColor(0xb0, 0xb0, 0xb8)},  // Rayé
        {QColor(0xff, 0xd0, 0x90), QColor(0xf0, 0x80, 0x20)},  // Orange
    };
    Teintes r = t[choix];
    if (jeu == 2) {
        r.claire = r.claire.lighter(108);
        r.sombre = r.sombre.lighter(125);
    }
    return r;
}

QPixmap dessiner(int choix, int jeu)
{
    const Teintes c = teintes(choix, jeu);
    QPixmap image(kCote, kCote);
    QPainter peintre(&image);
    QLinearGradient degrade(0, 0, choix == 5 ? 0 : kCote, kCote);
    degrade.setColorAt(0, c.claire);
    degrade.setColorAt(1, c.sombre);
    peintre.fillRect(image.rect(), degrade);
    // The lines are rows of pixels filled as rectangles: the same pixels as a line drawn with
    // a one-pixel pen, but a translucent line costs a tenth of a millisecond each, and the
    // texture is drawn before the window first shows.
    switch (choix) {
    case 1:  // brushed lines
        for (int y = 0; y < kCote; y += 3)
            peintre.fillRect(0, y, kCote, 1, QColor(255, 255, 255, (y * 37) % 60));
        break;
    case 2:  // grain; a line that rises one pixel over the tile's width takes the row above after its first pixel
        for (int y = 0; y < kCote; y += 5) {
            const QColor trait(c.sombre.red(), c.sombre.green(), c.sombre.blue(), 70 + (y * 13) % 80);
            if (y % 3 == 0) {
                peintre.fillRect(0, y, 1, 1, trait);
                peintre.fillRect(1, y - 1, kCote - 1, 1, trait);
            } else {
                peintre.fillRect(0, y, kCote, 1, trait);
            }
        }
        break;
    case 6:  // stripes
        peintre.setPen(Qt::NoPen);
        peintre.setBrush(QColor(c.sombre.red(), c.sombre.green(), c.sombre.blue(), 90));
        for (int x = -kCote; x < kCote; x += 16)
            peintre.drawPolygon(QPolygon({QPoint(x, kCote), QPoint(x + 8, kCote), QPoint(x + 8 + kCote, 0),
                                          QPoint(x + kCote, 0)}));
        break;
    default:
        break;
    }
    return image;
}

QPixmap imageUtilisateur(const QString& chemin)
{
    QPixmap p;
    if (QFileInfo(chemin).isFile())
        p.load(chemin);
    return p;
}
}  // namespace

QPixmap TextureFond(int choix, int jeu, const QString& dossierProgramme)
{
    if (choix < 0 || choix > 7)
        choix = kTextureParDefaut;
    if (jeu != 2)
        jeu = 1;
    if (choix == 0) {
        // Both pictures or neither; one that cannot be read counts as absent.
        const QPixmap un = imageUtilisateur(dossierProgramme + QStringLiteral("kelmor1.jpg"));
        const QPixmap deux = imageUtilisateur(dossierProgramme + QStringLiteral("kelmor2.jpg"));
        if (un.isNull() || deux.isNull())
            return {};
        return jeu == 1 ? un : deux;
    }
    return dessiner(choix, jeu);
}

ImageTexture::ImageTexture(QWidget* cadre, const QWidget* reference) : QWidget(cadre), reference_(reference)
{
    setObjectName(QStringLiteral("Texture"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    cadre->installEventFilter(this);
    setGeometry(cadre->rect());
    lower();
    hide();
}

void ImageTexture::definir(const QPixmap& image)
{
    image_ = image;
    setVisible(!image_.isNull());
    lower();
    update();
}

bool ImageTexture::eventFilter(QObject* objet, QEvent* e)
{
    if (objet == parent() && e->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return false;
}

void ImageTexture::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    const QPoint origine = reference_ && reference_->isAncestorOf(this) ? mapTo(reference_, QPoint()) : QPoint();
    peintre.drawTiledPixmap(rect(), image_, origine);
}
