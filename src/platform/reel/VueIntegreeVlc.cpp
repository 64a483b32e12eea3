#include "platform/reel/VueIntegreeVlc.h"
#include "platform/Twips.h"

#include "platform/reel/FenetreVideoX11.h"
#include "platform/reel/InstancesVlc.h"
#include "platform/reel/SurfaceVideo.h"
#include "platform/reel/TravauxVue.h"
#include "platform/PrefixeInstantane.h"

#include <QDateTime>
#include <QDir>
#include <QMetaObject>
#include <QTimer>

#include <algorithm>
#include <future>

namespace {

// The modes libVLC 3 knows; any other text asks for VLC's own choice of mode.
QByteArray modeConnu(const QString& mode)
{
    static const QStringList modes{"blend", "bob", "discard", "linear", "mean",
                                   "x",     "yadif", "yadif2x", "phosphor", "ivtc"};
    return modes.contains(mode) ? mode.toLatin1() : QByteArrayLiteral("auto");
}

int enPixels(int twips)
{
    return std::max(0, versPixels(twips));
}

QString valeurOption(const QStringList& options, const QString& nom)
{
    QString valeur;
    for (const QString& o : options)
        if (o.startsWith(nom))
            valeur = o.mid(nom.size());
    return valeur;
}

}  // namespace

VueIntegreeVlc::VueIntegreeVlc() = default;

VueIntegreeVlc::~VueIntegreeVlc()
{
    if (surface_)
        surface_->detacher();
    travaux_.reset();  // stops and releases the player, then ends the thread
    // The player has let go of every window of ours: they may go now.
    detruireFenetreVideo(fenetreVideo_);
    for (quint32 f : std::as_const(fenetresEnSursis_))
        detruireFenetreVideo(f);
}

bool VueIntegreeVlc::instanceCreee()
{
    return instanceVlcCreee();
}

void VueIntegreeVlc::attendreTravaux()
{
    if (travaux_)
        travaux_->attendre();
}

VueIntegreeVlc::SonLecteur VueIntegreeVlc::sonDuLecteur()
{
    if (!travaux_)
        return {};
    std::promise<std::pair<int, int>> son;
    auto futur = son.get_future();
    TravauxVue* t = travaux_.get();
    t->ajouter([t, &son] { son.set_value(t->sonActuel()); });
    const auto [volume, muet] = futur.get();
    return {volume, muet};
}

void VueIntegreeVlc::placerDans(QObject* hote)
{
    auto* widget = qobject_cast<QWidget*>(hote);
    if (!widget || (surface_ && surface_->parentWidget() == widget))
        return;
    if (surface_) {
        // A new parent may mean a new native window: nothing may draw into the old one.
        surfacePerdue();
        surface_->setParent(widget);
    } else {
        surface_ = new SurfaceVideo(
            widget, [this] { surfacePerdue(); },
            [this](QSize taille) { dimensionnerFenetreVideo(fenetreVideo_, taille); });
    }
    if (!geometrieDonnee_)
        geometrie_ = widget->rect();
    appliquerGeometrie();
    surface_->show();
    fondNoirX11(surface_->internalWinId());
    assurerFenetreVideo();
}

quint32 VueIntegreeVlc::assurerFenetreVideo()
{
    if (!fenetreVideo_ && surface_)
        fenetreVideo_ = creerFenetreVideo(surface_->winId(), surface_->tailleNative());
    return fenetreVideo_;
}

// The surface's native window is about to go (or to change). X destroys a window's children
// with it, and libVLC must never draw into a window that is gone; nor may the window's
// thread wait for the view's thread to stop the player. So the window VLC draws into is
// ours: it is taken out of the surface now, unmapped under the root window, and destroyed
// only once the view's thread has stopped the player and taken the window from it.
void VueIntegreeVlc::surfacePerdue()
{
    const quint32 fenetre = fenetreVideo_;
    fenetreVideo_ = 0;
    eloignerFenetreVideo(fenetre);
    if (!travaux_) {
        detruireFenetreVideo(fenetre);
        return;
    }
    if (fenetre)
        fenetresEnSursis_.insert(fenetre);
    TravauxVue* t = travaux_.get();
    t->ajouter([this, t, fenetre] {
        t->lacherFenetre();
        if (fenetre)
            QMetaObject::invokeMethod(&contexte_, [this, fenetre] {
                if (fenetresEnSursis_.remove(fenetre))
                    detruireFenetreVideo(fenetre);
            }, Qt::QueuedConnection);
    });
}

void VueIntegreeVlc::appliquerGeometrie()
{
    if (surface_)
        surface_->setGeometry(geometrie_);
}

void VueIntegreeVlc::placerConteneur(int gauche, int haut)
{
    geometrie_.moveTo(enPixels(gauche), enPixels(haut));
    geometrieDonnee_ = true;
    appliquerGeometrie();
}

void VueIntegreeVlc::dimensionnerConteneur(int largeur, int hauteur)
{
    geometrie_.setSize({enPixels(largeur), enPixels(hauteur)});
    geometrieDonnee_ = true;
    appliquerGeometrie();
}

void VueIntegreeVlc::arreter()
{
    if (!lecteurDemande_)
        return;
    TravauxVue* t = travaux_.get();
    t->ajouter([t] { t->arreterLecture(); });
}

void VueIntegreeVlc::viderListe()
{
    if (!lecteurDemande_)
        return;
    TravauxVue* t = travaux_.get();
    t->ajouter([t] { t->viderLecture(); });
}

void VueIntegreeVlc::ajouterEtJouer(const QString& adresse, const QStringList& options)
{
    if (!travaux_)
        travaux_ = std::make_unique<TravauxVue>();
    lecteurDemande_ = true;
    dossierInstantanes_ = valeurOption(options, QStringLiteral(":snapshot-path="));
    TravauxVue::Element element;
    if (valeurOption(options, QStringLiteral(":video-filter=")) == u"deinterlace")
        element.desentrelacement = modeConnu(valeurOption(options, QStringLiteral(":deinterlace-mode=")));
    for (const QString& o : options)
        if (!o.isEmpty() && !o.startsWith(u":video-filter=") && !o.startsWith(u":deinterlace-mode="))
            element.options << o.toUtf8();
    // ":no-audio": the item has no sound at all, so none is waited for.
    element.avecSon = !options.contains(QStringLiteral(":no-audio"));
    element.fenetre = assurerFenetreVideo();
    element.cible = adresse.toUtf8();
    element.volume = volume_;
    element.muet = muet_;
    TravauxVue* t = travaux_.get();
    t->ajouter([t, element = std::move(element)] { t->jouer(element); });
}

void VueIntegreeVlc::definirVolume(int volume)
{
    volume_ = std::clamp(volume, 0, 200);
    if (!lecteurDemande_)
        return;
    TravauxVue* t = travaux_.get();
    t->ajouter([t, v = volume_, m = muet_] { t->demanderSon(v, m); });
}

void VueIntegreeVlc::definirMuet(bool muet)
{
    muet_ = muet;
    if (!lecteurDemande_)
        return;
    TravauxVue* t = travaux_.get();
    t->ajouter([t, v = volume_, m = muet_] { t->demanderSon(v, m); });
}

QString VueIntegreeVlc::prendreInstantane(Suite<bool> ecrit)
{
    if (!lecteurDemande_ || dossierInstantanes_.isEmpty())
        return {};
    QDir dossier(dossierInstantanes_);
    // The name the player itself would give, made unique among the files there and the
    // snapshots still on their way.
    const QString base = PrefixeInstantane
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HH'h'mm'm'ss's'zzz"));
    QString nom = base + QStringLiteral(".jpg");
    for (int n = 2; dossier.exists(nom) || instantanesPromis_.contains(dossier.filePath(nom)); ++n)
        nom = base + QStringLiteral("-%1.jpg").arg(n);
    const QString chemin = dossier.filePath(nom);
    instantanesPromis_.insert(chemin);
    const QString partiel = dossier.filePath(QStringLiteral(".") + nom + QStringLiteral(".part"));
    const quint64 numero = ++numeroInstantane_;
    // Told on the window's thread; dropped with the view.
    auto rapport = [this, chemin, ecrit = std::move(ecrit)](bool reussi) {
        QMetaObject::invokeMethod(&contexte_, [this, chemin, reussi, ecrit] { instantaneTermine(chemin, reussi, ecrit); },
                                  Qt::QueuedConnection);
    };
    TravauxVue* t = travaux_.get();
    t->ajouter([t, numero, chemin, partiel, rapport = std::move(rapport)]() mutable {
        t->prendreInstantane(numero, chemin, partiel, std::move(rapport));
    });
    // No picture yet, a player stopped meanwhile: the event never comes.
    QTimer::singleShot(kAttenteInstantaneMs, &contexte_, [this, numero] {
        TravauxVue* t = travaux_.get();
        t->ajouter([t, numero] { t->abandonnerInstantane(numero); });
    });
    return chemin;
}

void VueIntegreeVlc::instantaneTermine(const QString& chemin, bool ecrit, const Suite<bool>& suite)
{
    instantanesPromis_.remove(chemin);
    suite(ecrit);
}

QWidget* VueIntegreeVlc::surface() const
{
    return surface_.data();
}
