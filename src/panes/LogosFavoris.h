#pragma once
#include <QPixmap>
#include <QString>

// The favourites' pictures: an optional folder of pictures named after the keys
// ("<key>.png", 62 x 48 pixels), empty by default, so that every favourite shows its
// caption until the user adds pictures there. The empty slot has a picture of our own.
class LogosFavoris {
public:
    static constexpr int Largeur = 62;
    static constexpr int Hauteur = 48;

    void definirDossier(const QString& dossier) { dossier_ = dossier; }
    const QString& dossier() const { return dossier_; }
    // The picture of a key; a null picture when there is none (no error either way).
    QPixmap logo(const QString& cle) const;

private:
    QString dossier_;
};

// The picture of an empty slot, drawn at run time.
QPixmap ImageNonAttribue();
