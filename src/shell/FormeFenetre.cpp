#include "shell/FormeFenetre.h"

#include "platform/Twips.h"
#include "shell/GeometrieFenetre.h"
#include "shell/GeometrieMiniEcran.h"

#include <algorithm>

namespace {
QSize tailleCadre(const QSize& client, const QMargins& cadre)
{
    return versPixels(client).grownBy(cadre);
}
}  // namespace

// One transition being built: what it asks so far and where the window stands meanwhile.
struct FormeFenetre::Cours {
    TransitionForme t;
    PlacementFenetre p;

    // Ends `phase` with the window's frame position after its last size, checked against the
    // screen. `dedansX`/`dedansY`: the axes kept inside the screen at this step.
    void ajouter(PhaseForme phase, bool dedansX, bool dedansY)
    {
        if (!phase.tailles.empty() && !p.ecran.isEmpty()) {
            const QSize px = versPixels(phase.tailles.back());
            const int l = px.width() + p.cadre.left() + p.cadre.right();
            const int h = px.height() + p.cadre.top() + p.cadre.bottom();
            const QPoint pos = placerSurEcran(p.ecran, p.position, l, h, dedansX, dedansY);
            if (pos != p.position) {
                phase.position = pos;
                p.position = pos;
            }
        }
        t.phases.push_back(std::move(phase));
    }
};

FormeFenetre::FormeFenetre(const OptionsForme& options) : options_(options) {}

TransitionForme FormeFenetre::definirOptions(const OptionsForme& options)
{
    const OptionsForme avant = options_;
    options_ = options;
    TransitionForme t;
    if (forme_ != Forme::Telecommande)
        return t;
    PhaseForme phase;
    if (options.MTOP != avant.MTOP && options.MTOP != auDessus_)
        phase.auDessus = auDessus_ = options.MTOP;
    if (options.FAVO != avant.FAVO)
        phase.favorisDevant = options.FAVO;
    if (phase.auDessus || phase.favorisDevant)
        t.phases.push_back(std::move(phase));
    return t;
}

QSize FormeFenetre::taille() const
{
    switch (forme_) {
    case Forme::Normal:
        return kNormale;
    case Forme::VoletOuvert:
        return {kLargeurOuverte, kNormale.height()};
    case Forme::Telecommande:
        return kTelecommande;
    case Forme::MiniEcran:
        return versTwips(tailleMiniEcran(curseur_, largeurSauvee_).clientPixels());
    case Forme::PleinEcran:
        return pleinEcranTaille_;
    }
    return {};
}

void FormeFenetre::replier(Cours& c)
{
    PhaseForme phase;
    if (forme_ == Forme::VoletOuvert) {
        phase.arreterVue = volet_ == Volet::Afficher;
        phase.tailles = animationLargeur(taille(), kNormale.width());
        forme_ = Forme::Normal;
        volet_ = Volet::Aucun;
    } else if (forme_ == Forme::Telecommande) {
        // Only the size: the options pane opened from this form gives it back on closing.
        phase.tailles = {kNormale};
    } else {
        return;
    }
    c.ajouter(std::move(phase), false, false);
}

void FormeFenetre::deplier(Cours& c, Volet v)
{
    PhaseForme phase;
    if (forme_ == Forme::Normal && v != Volet::Aucun) {
        phase.voletAffiche = v;
        phase.tailles = animationLargeur(kNormale, kLargeurOuverte);
        forme_ = Forme::VoletOuvert;
        volet_ = v;
    } else if (forme_ == Forme::VoletOuvert) {
        phase.arreterVue = volet_ == Volet::Afficher;
        phase.tailles = animationLargeur(taille(), kNormale.width());
        forme_ = Forme::Normal;
        volet_ = Volet::Aucun;
    } else {
        return;
    }
    // Opening near the right edge: the keep-inside option moves the window left.
    c.ajouter(std::move(phase), options_.CADR, false);
}

void FormeFenetre::ouvrir(Cours& c, Volet v)
{
    if (estOuvert(v))
        return;
    replier(c);
    deplier(c, v);
}

void FormeFenetre::versTelecommande(Cours& c)
{
    PhaseForme phase;
    phase.fond1bis = true;
    if (options_.MTOP)
        phase.auDessus = auDessus_ = true;
    if (options_.FAVO)
        phase.favorisDevant = true;
    phase.tailles = {kTelecommande};
    forme_ = Forme::Telecommande;
    c.ajouter(std::move(phase), options_.CADR, options_.CADR);
}

void FormeFenetre::versNormale(Cours& c)
{
    PhaseForme phase;
    phase.fond1bis = false;
    phase.auDessus = auDessus_ = false;  // leaving the form always ends keep-on-top
    if (options_.FAVO)
        phase.favorisDevant = false;
    phase.tailles = {kNormale};
    forme_ = Forme::Normal;
    c.ajouter(std::move(phase), options_.CADR, options_.CADR);
}

TransitionForme FormeFenetre::Mini_Click(const PlacementFenetre& placement)
{
    Cours c{{}, placement};
    switch (forme_) {
    case Forme::VoletOuvert:
        replier(c);
        versTelecommande(c);
        break;
    case Forme::Normal:
        versTelecommande(c);
        break;
    case Forme::Telecommande:
        versNormale(c);
        break;
    case Forme::MiniEcran:
    case Forme::PleinEcran:
        break;
    }
    return c.t;
}

PhaseForme FormeFenetre::phaseMini() const
{
    PhaseForme phase;
    const QSize client = versTwips(tailleMiniEcran(curseur_, largeurSauvee_).clientPixels());
    phase.vueSeule = VueSeule{true, false, QRect(QPoint(), client), std::nullopt};
    phase.tailles = {client};
    return phase;
}

void FormeFenetre::entrerMini(Cours& c)
{
    PhaseForme phase;
    curseur_ = kCurseurDepart;
    largeurSauvee_ = LargeurSauvee(kVideoFrameNormale.width());
    forme_ = Forme::MiniEcran;
    retourFenetre_ = false;
    pleinEcran_ = 0;
    phase = phaseMini();
    phase.vueSeule->replierRuban = true;
    if (options_.MTOP && !auDessus_)
        phase.auDessus = auDessus_ = true;
    // The video keeps its place on the screen.
    if (!c.p.ecran.isEmpty()) {
        c.p.position = positionEntreeMini(c.p.position);
        phase.position = c.p.position;
    }
    c.t.phases.push_back(std::move(phase));
}

void FormeFenetre::sortirMini(Cours& c)
{
    PhaseForme phase;
    forme_ = Forme::VoletOuvert;
    volet_ = Volet::Afficher;
    retourFenetre_ = false;
    if (auDessus_)
        phase.auDessus = auDessus_ = false;
    phase.vueSeule = VueSeule{};
    phase.tailles = {taille()};
    if (!c.p.ecran.isEmpty()) {
        c.p.position = positionSortieMini(c.p.position, tailleCadre(taille(), c.p.cadre), c.p.ecran, options_.CADR);
        phase.position = c.p.position;
    }
    c.t.phases.push_back(std::move(phase));
}

void FormeFenetre::basculerPleinEcran(Cours& c)
{
    if (forme_ == Forme::MiniEcran) {
        pleinEcran_ = curseur_;
        pleinEcranPosition_ = c.p.position;
        pleinEcranEcran_ = c.p.ecran;
        PhaseForme phase;
        // The client area covers the whole screen, as the desktop's full-screen state does; the
        // frame lies outside it for a desktop that keeps it.
        const QRect ecran = c.p.ecranEntier.isEmpty() ? c.p.ecran : c.p.ecranEntier;
        pleinEcranTaille_ = ecran.isEmpty() ? taille() : versTwips(ecran.size());
        forme_ = Forme::PleinEcran;
        const PleinEcranGeometrie g = geometriePleinEcran(QSizeF(pleinEcranTaille_));
        phase.vueSeule = VueSeule{true, true, g.video.toRect(), g.rangee.toPoint()};
        phase.tailles = {pleinEcranTaille_};
        if (!ecran.isEmpty()) {
            c.p.position = ecran.topLeft() - QPoint(c.p.cadre.left(), c.p.cadre.top());
            phase.position = c.p.position;
        }
        phase.pleinEcranBureau = true;
        c.t.phases.push_back(std::move(phase));
        return;
    }
    curseur_ = pleinEcran_;
    pleinEcran_ = 0;
    forme_ = Forme::MiniEcran;
    PhaseForme phase = phaseMini();
    phase.pleinEcranBureau = false;
    // Back where it was, partly off the screen too; inside the screen when it changed meanwhile.
    c.p.position = c.p.ecran == pleinEcranEcran_
                       ? pleinEcranPosition_
                       : positionSortiePleinEcran(pleinEcranPosition_, tailleCadre(taille(), c.p.cadre), c.p.ecran);
    if (!c.p.ecran.isEmpty())
        phase.position = c.p.position;
    c.t.phases.push_back(std::move(phase));
    if (retourFenetre_)
        sortirMini(c);
}

void FormeFenetre::quitterVueSeule(Cours& c)
{
    // From full screen, through the mini-screen, back to the pane.
    if (forme_ == Forme::PleinEcran) {
        retourFenetre_ = true;
        basculerPleinEcran(c);
    } else if (forme_ == Forme::MiniEcran) {
        sortirMini(c);
    }
}

TransitionForme FormeFenetre::Mini2_Click(const PlacementFenetre& placement)
{
    Cours c{{}, placement};
    if (miniEcran())
        quitterVueSeule(c);
    else if (estOuvert(Volet::Afficher))
        entrerMini(c);
    return c.t;
}

TransitionForme FormeFenetre::SizeBar1_Click(const PlacementFenetre& placement)
{
    Cours c{{}, placement};
    quitterVueSeule(c);
    return c.t;
}

TransitionForme FormeFenetre::SizeBarF_Click(const PlacementFenetre& placement)
{
    Cours c{{}, placement};
    if (miniEcran())
        basculerPleinEcran(c);
    return c.t;
}

TransitionForme FormeFenetre::Full2_Click(const PlacementFenetre& placement)
{
    Cours c{{}, placement};
    if (!miniEcran()) {
        if (!estOuvert(Volet::Afficher))
            return {};
        entrerMini(c);
        retourFenetre_ = true;
    }
    basculerPleinEcran(c);
    return c.t;
}

TransitionForme FormeFenetre::SizeBar2_Scroll(int curseur)
{
    if (forme_ != Forme::MiniEcran)
        return {};
    curseur_ = std::clamp(curseur, kCurseurMin, kCurseurMax);
    TransitionForme t;
    t.phases.push_back(phaseMini());
    return t;
}

TransitionForme FormeFenetre::aller(Volet v, const PlacementFenetre& placement)
{
    Cours c{{}, placement};
    if (forme_ == Forme::Telecommande)
        versNormale(c);
    if (forme_ == Forme::Normal || forme_ == Forme::VoletOuvert)
        ouvrir(c, v);
    return c.t;
}

TransitionForme FormeFenetre::GoAfficher_Click(const PlacementFenetre& placement)
{
    return aller(Volet::Afficher, placement);
}

TransitionForme FormeFenetre::GoGuider_Click(const PlacementFenetre& placement)
{
    return aller(Volet::Guider, placement);
}

TransitionForme FormeFenetre::GoDiffuser_Click(const PlacementFenetre& placement)
{
    // The media pane, on its mosaic.
    TransitionForme t = aller(Volet::Afficher, placement);
    t.mosaique = estOuvert(Volet::Afficher);
    return t;
}

TransitionForme FormeFenetre::basculerVolet(Volet v, const PlacementFenetre& placement)
{
    if (v == Volet::Aucun)
        return {};
    if (miniEcran())
        return replierDepuisVueSeule(v, placement);
    // Opening or switching. In the remote-control form the pane buttons are hidden; asked
    // anyway, the form is left properly before the pane opens.
    if (!estOuvert(v))
        return aller(v, placement);
    Cours c{{}, placement};
    deplier(c, v);
    return c.t;
}

TransitionForme FormeFenetre::replierDepuisVueSeule(Volet v, const PlacementFenetre& placement)
{
    // Behind the mini-screen and full screen only the media pane is open. Folding it (the
    // single stream handed to the external player) first gives the window its normal form
    // back: the pane's width is never laid over a mini or full-screen window.
    if (v != Volet::Afficher)
        return {};
    Cours c{{}, placement};
    quitterVueSeule(c);
    deplier(c, v);
    return c.t;
}

TransitionForme FormeFenetre::DeplierVolet(Volet v, const PlacementFenetre& placement)
{
    Cours c{{}, placement};
    deplier(c, v);
    return c.t;
}

TransitionForme FormeFenetre::ReplierVolet(const PlacementFenetre& placement)
{
    Cours c{{}, placement};
    replier(c);
    return c.t;
}
