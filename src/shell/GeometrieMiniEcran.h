#pragma once
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

// The mini-screen and full-screen geometry of the live view. Window widths and heights are
// given as the whole program counts them (twips, the frame allowances of 90 wide and 420 high
// included); on X11 the client area is the window less those allowances, so that in the
// mini-screen it is exactly the video.

// Video width / video height, in every form.
constexpr double kRapportImage = 1.3534;
constexpr int kCadreLargeur = 90;
constexpr int kCadreHauteur = 420;
constexpr int kCorrectionHauteur = 30;

// Where the video stands in the normal window's client area: the media pane at 4440 in the main
// panel, the video frame at 240, 600 in it.
constexpr QPoint kVideoNormale(4440 + 240, 600);
// The video frame's home size and the compact row's size (twips).
constexpr QSize kVideoFrameNormale(5055, 4335);
constexpr QSize kRangeeCompacte(5055, 495);

// The size slider's range, and its value on entering the mini-screen.
constexpr int kCurseurMin = 35;
constexpr int kCurseurMax = 500;
constexpr int kCurseurDepart = 100;

// `LargeurSauvee`: the mini-screen's window width at 100 %, from the video's width on entry.
int LargeurSauvee(double largeurVideo);

// The mini-screen's window and video for one slider value (`SizeBar2_Scroll`).
struct TailleMiniEcran {
    double largeurFenetre = 0;  // twips, frame allowance included
    double hauteurFenetre = 0;
    double largeurVideo = 0;
    double hauteurVideo = 0;

    // The client area: the video itself.
    QSize clientPixels() const;
};
// The window width the slider asks for: `curseur` % of `largeurSauvee`.
double largeurFenetreMini(int curseur, int largeurSauvee);
// From the window width as the window system gave it back.
TailleMiniEcran SizeBar2_Scroll(double largeurFenetre);
inline TailleMiniEcran tailleMiniEcran(int curseur, int largeurSauvee)
{
    return SizeBar2_Scroll(largeurFenetreMini(curseur, largeurSauvee));
}

// The full-screen layout inside a client area (twips) that covers the screen: the video centred
// at the image ratio on black, the compact row centred at the bottom.
struct PleinEcranGeometrie {
    QRectF video;
    QPointF rangee;           // top-left of the compact row
    bool parHauteur = false;  // the screen's height governs (the video spans it)
};
PleinEcranGeometrie geometriePleinEcran(const QSizeF& client, const QSizeF& rangee = kRangeeCompacte);

// Window positions (top-left of the window's frame, pixels). Entering the mini-screen moves the
// window so that the video keeps its place on the screen; leaving moves it back, then keeps it on
// the screen (left and top edges always; right and bottom with `cadr`).
QPoint positionEntreeMini(const QPoint& fenetre);
QPoint positionSortieMini(const QPoint& fenetre, const QSize& tailleFenetre, const QRect& ecran, bool cadr);
// Leaving full screen: back to the place saved on entry, but inside the screen as it is now
// (it may have changed size meanwhile). A window larger than the screen keeps its top-left on it.
QPoint positionSortiePleinEcran(const QPoint& sauvee, const QSize& tailleFenetre, const QRect& ecran);

// Twips to pixels, to the nearest pixel.
int pixels(double twips);
