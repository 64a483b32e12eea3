#include "engine/VueDirecte.h"

#include "engine/Mosaique.h"
#include "engine/Moteur.h"
#include "engine/OptionsVue.h"
#include "engine/Session.h"
#include "engine/ValidationLecteur.h"
#include "platform/VueIntegree.h"

#include <algorithm>

VueDirecte::VueDirecte(Session& session, Moteur& moteur, VueIntegree& vue, const EtatAfficher& etat,
                       const Mosaique& mosaique)
    : session_(session), moteur_(moteur), vue_(vue), etat_(etat), mosaique_(mosaique)
{
    attente_.setObjectName(QStringLiteral("Attente"));
    attente_.setSingleShot(true);
    attente_.setInterval(AttenteMs);
    // A coarse timer may fire a little early: the picture stays its full three seconds.
    attente_.setTimerType(Qt::PreciseTimer);
    connect(&attente_, &QTimer::timeout, this, &VueDirecte::Attente_Timer);
}

void VueDirecte::LancerLectureIntegree()
{
    // The view's window first: made after the waiting picture, it would lie over it.
    preparerVue();
    attenteVisible_ = true;
    emit attenteAffichee(true);
    // The three seconds count from this start, even when an earlier count was running.
    attente_.start();
    vue_.arreter();
    vue_.viderListe();
    if (tailleVue_.isValid())
        vue_.dimensionnerConteneur(tailleVue_.width(), tailleVue_.height());
    const int index = session_.chaineSelectionnee;
    if (index < 0 || index >= session_.chaines.taille())
        return;
    const QString adresse = session_.chaines.at(index).adresse;
    // Only a stream address: a playlist entry never makes the view open a file or an option.
    if (!adresseFluxValide(adresse))
        return;
    vue_.ajouterEtJouer(adresse, OptionsElementVue(session_.DossierEnregistrement, session_.parametres.p));
}

void VueDirecte::preparerVue()
{
    if (vuePlacee_)
        return;
    vuePlacee_ = true;
    emit vuePremiereFois();
}

void VueDirecte::Attente_Timer()
{
    attente_.stop();
    attenteVisible_ = false;
    emit attenteAffichee(false);
}

void VueDirecte::arreter()
{
    vue_.arreter();
}

void VueDirecte::quitter()
{
    attente_.stop();
}

void VueDirecte::Chaines_Click()
{
    if (etat_.direct())
        LancerLectureIntegree();
}

void VueDirecte::definirTailleVue(const QSize& twips)
{
    tailleVue_ = twips;
    if (etat_.direct() && tailleVue_.isValid())
        vue_.dimensionnerConteneur(tailleVue_.width(), tailleVue_.height());
}

void VueDirecte::Mute2_Click()
{
    muet_ = !muet_;
    // The mosaic keeps the view silent; the state is given back when it ends.
    if (!mosaique_.enCours())
        vue_.definirMuet(muet_);
    emit sonAffiche(volume_, muet_);
}

void VueDirecte::Volume2_Scroll(int valeur)
{
    volume_ = std::clamp(valeur, 0, 200);
    if (!mosaique_.enCours())
        vue_.definirVolume(volume_);
    emit sonAffiche(volume_, muet_);
}

QString VueDirecte::Snap2_Click()
{
    if (!etat_.direct())
        return {};
    return vue_.prendreInstantane();
}

void VueDirecte::ChaineM2_Click()
{
    const int index = session_.chaineSelectionnee - 1;
    if (index >= 0 && index < session_.chaines.taille())
        moteur_.Chaines_Click(index);
}

void VueDirecte::ChaineP2_Click()
{
    const int index = session_.chaineSelectionnee + 1;
    if (session_.chaineSelectionnee >= 0 && index < session_.chaines.taille())
        moteur_.Chaines_Click(index);
}
