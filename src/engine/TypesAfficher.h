#pragma once
#include <QByteArray>

// What the media pane shows, as its controllers tell it.

// The media pane's tabs, numbered as the tab strip shows them.
enum class OngletAfficher { Direct = 1, Mosaique = 2, Videos = 3, Photos = 4 };

// The frame the media pane shows: none when the line's single stream is taken.
enum class CadreAfficher { Aucun, Direct, Mosaique, Fichiers };

// One tile of the mosaic as the pane shows it.
struct TuileMosaique {
    enum class Contenu { Vide, Attente, Image };
    Contenu contenu = Contenu::Vide;
    QByteArray image;  // the snapshot file's bytes (JPEG) when Image

    bool operator==(const TuileMosaique&) const = default;
};

// Whether the pane is open, its tab and its frame: written by the tabs' controller `Medias`,
// read by the parts it owns (the live view, the media library).
struct EtatAfficher {
    bool ouvert = false;
    OngletAfficher onglet = OngletAfficher::Direct;
    CadreAfficher cadre = CadreAfficher::Aucun;

    // The live view is on screen: its frame shows in the open pane.
    bool direct() const { return ouvert && cadre == CadreAfficher::Direct; }
};
