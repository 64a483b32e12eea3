#pragma once
#include "engine/TypesAfficher.h"

#include <QPixmap>
#include <QWidget>

// One tile of the mosaic: the snapshot, the waiting picture or the blank tile, the slot's
// channel name over it, and the red frame while it is being refreshed.
class TuileMosaic : public QWidget {
    Q_OBJECT
public:
    TuileMosaic(int index, QWidget* parent = nullptr);

    void afficher(const TuileMosaique& tuile);
    void definirNom(const QString& nom);
    void definirRouge(bool rouge);
    int index() const { return index_; }
    bool rouge() const { return rouge_; }
    TuileMosaique::Contenu contenu() const { return contenu_; }
    const QPixmap& image() const { return image_; }
    const QString& nom() const { return nom_; }

signals:
    void relachee(int index, Qt::MouseButton bouton);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int index_;
    TuileMosaique::Contenu contenu_ = TuileMosaique::Contenu::Vide;
    QPixmap image_;
    QString nom_;
    bool rouge_ = false;
};
