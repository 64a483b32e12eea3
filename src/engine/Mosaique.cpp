#include "engine/Mosaique.h"

#include "engine/OptionsVue.h"
#include "platform/Horloge.h"
#include "platform/Twips.h"
#include "platform/VueIntegree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
constexpr int kUnPixel = versTwips(1);
}  // namespace

Mosaique::Mosaique(VueIntegree& vue, Horloge& horloge, const ListeChaines& chaines,
                   const TableFavoris& favoris)
    : vue_(vue), horloge_(horloge), chaines_(chaines), favoris_(favoris)
{
    minuterie_.setSingleShot(true);
    connect(&minuterie_, &QTimer::timeout, this, &Mosaique::DoMosaic0_Timer);
}

void Mosaique::PreparerMosaique(const QString& dossierProgramme, int groupe)
{
    dossier_ = DossierSnapshots(dossierProgramme);
    if (QDir(dossier_).exists())
        viderDossier();
    else
        QDir().mkpath(dossier_);
    groupe_ = groupe;
    repeindre();
    tuile_ = 0;
    instantane_.clear();
    vue_.arreter();
    phase_ = Phase::Armee;
    minuterie_.start(PremierPasMs);
    vue_.dimensionnerConteneur(kUnPixel, kUnPixel);
}

void Mosaique::changerGroupe(int groupe)
{
    groupe_ = groupe;
    repeindre();
    tuile_ = 0;
}

void Mosaique::quitter(int volume, bool muet)
{
    if (phase_ == Phase::Inactive)
        return;
    minuterie_.stop();
    phase_ = Phase::Inactive;
    instantane_.clear();
    vue_.arreter();
    vue_.definirVolume(volume);
    vue_.definirMuet(muet);
}

void Mosaique::DoMosaic0_Timer()
{
    minuterie_.stop();
    if (phase_ == Phase::Inactive)
        return;
    if (phase_ == Phase::Armee) {
        vue_.definirVolume(0);
        tuile_ = 1;
        phase_ = Phase::Debut;
    }
    avancer();
    if (phase_ != Phase::Inactive)
        minuterie_.start(PasMs);
}

void Mosaique::avancer()
{
    switch (phase_) {
    case Phase::Inactive:
    case Phase::Armee:
        return;
    case Phase::Debut:
        commencerTuile();
        return;
    case Phase::Lecture:
        if (tuile_ == 0) {
            finirTuile();  // another group: no snapshot of this one
            return;
        }
        if (ecoule() < LectureS)
            return;
        instantane_ = vue_.prendreInstantane();
        if (instantane_.isEmpty()) {
            montrer(tuile_, {});
            finirTuile();
            return;
        }
        phase_ = Phase::Fichier;
        return;  // the file is looked for from the next step on
    case Phase::Fichier:
        if (tuile_ == 0) {
            finirTuile();
            return;
        }
        if (!QFileInfo::exists(instantane_)) {
            if (ecoule() >= FichierS) {
                montrer(tuile_, {});
                finirTuile();
            }
            return;
        }
        phase_ = Phase::Taille;
        [[fallthrough]];
    case Phase::Taille:
        if (tuile_ != 0 && ecoule() < TailleS && QFileInfo(instantane_).size() == 0)
            return;
        phase_ = Phase::Ouverture;
        [[fallthrough]];
    case Phase::Ouverture: {
        QFile fichier(instantane_);
        const bool ouvert = fichier.open(QIODevice::ReadOnly);
        const QByteArray image = ouvert ? fichier.readAll() : QByteArray();
        fichier.close();
        if (!ouvert && tuile_ != 0 && ecoule() < OuvertureS)
            return;
        // Whatever came by the last limit is shown: an empty or vanished file, a blank tile.
        if (tuile_ != 0)
            montrer(tuile_, image);
        finirTuile();
        return;
    }
    }
}

void Mosaique::commencerTuile()
{
    if (tuile_ == 0)
        tuile_ = 1;
    const int chaine = chaineDe(favori(tuile_));
    if (chaine < 0) {
        montrer(tuile_, {});
        tuile_ = tuile_ % NombreTuiles + 1;
        return;
    }
    rouge_ = tuile_;
    emit cadreRouge(rouge_);
    vue_.arreter();
    vue_.viderListe();
    debut_ = horloge_.maintenant().toSecsSinceEpoch();
    vue_.ajouterEtJouer(chaines_.at(chaine).adresse, OptionsMosaique(dossier_));
    phase_ = Phase::Lecture;
}

void Mosaique::finirTuile()
{
    viderDossier();
    instantane_.clear();
    tuile_ = tuile_ % NombreTuiles + 1;
    phase_ = Phase::Debut;
}

void Mosaique::montrer(int t, const QByteArray& image)
{
    TuileMosaique& tuile = tuiles_.at(std::size_t(t - 1));
    tuile.contenu = image.isEmpty() ? TuileMosaique::Contenu::Vide : TuileMosaique::Contenu::Image;
    tuile.image = image;
    emit tuileChangee(t);
}

void Mosaique::repeindre()
{
    for (int t = 1; t <= NombreTuiles; ++t) {
        TuileMosaique& tuile = tuiles_.at(std::size_t(t - 1));
        tuile.contenu = chaineDe(favori(t)) >= 0 ? TuileMosaique::Contenu::Attente
                                                 : TuileMosaique::Contenu::Vide;
        tuile.image.clear();
        emit tuileChangee(t);
    }
}

void Mosaique::viderDossier() const
{
    if (dossier_.isEmpty())
        return;
    QDir dossier(dossier_);
    for (const QString& nom : dossier.entryList({MotifSnapshots()}, QDir::Files))
        dossier.remove(nom);  // a failure leaves the file: the next pass tries again
}

QString Mosaique::favori(int t) const
{
    if (groupe_ < 0 || groupe_ >= TableFavoris::NombreGroupes || t < 1 || t > NombreTuiles)
        return {};
    return favoris_.at(groupe_ * TableFavoris::TailleGroupe + t);
}

int Mosaique::chaineDe(const QString& nom) const
{
    if (nom.isEmpty())
        return -1;
    for (int i = chaines_.taille() - 1; i >= 0; --i)
        if (chaines_.at(i).nom == nom)
            return i;
    return -1;
}

qint64 Mosaique::ecoule()
{
    const qint64 maintenant = horloge_.maintenant().toSecsSinceEpoch();
    if (maintenant < debut_)
        debut_ = maintenant;  // the clock was set back: count from now
    return maintenant - debut_;
}

int Mosaique::Mosaic_MouseUp(int index, Qt::MouseButton bouton) const
{
    if (chaineDe(favori(index)) < 0)
        return 0;
    if (bouton == Qt::LeftButton)
        return -index;
    if (bouton == Qt::RightButton)
        return index;
    return 0;
}
