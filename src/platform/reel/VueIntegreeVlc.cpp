#include "platform/reel/VueIntegreeVlc.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QTemporaryDir>
#include <QThread>

#include <vlc/vlc.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <iterator>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>

namespace {

std::atomic<bool> g_instanceCreee{false};

// The X server itself paints the video window black wherever the player's picture does not
// cover it (the bands around a picture of another shape): the window toolkit never paints
// over a window that another program draws in.
void fondNoirX11(WId fenetre)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection() || !fenetre)
        return;
    xcb_connection_t* c = x11->connection();
    const xcb_screen_t* ecran = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t noir = ecran ? ecran->black_pixel : 0;
    xcb_change_window_attributes(c, xcb_window_t(fenetre), XCB_CW_BACK_PIXEL, &noir);
    xcb_clear_area(c, 0, xcb_window_t(fenetre), 0, 0, 0, 0);
    xcb_flush(c);
}

// One instance for the whole run, made on first use (from the view's thread).
libvlc_instance_t* instanceVlc()
{
    static std::once_flag fait;
    static libvlc_instance_t* instance = nullptr;
    std::call_once(fait, [] {
        // No title over the picture, no snapshot thumbnail drawn over the next tiles, no
        // Xlib modules in a process whose toolkit talks XCB.
        const char* const arguments[] = {"--quiet", "--no-xlib", "--no-video-title-show",
                                         "--no-snapshot-preview", "--no-stats"};
        instance = libvlc_new(int(std::size(arguments)), arguments);
        g_instanceCreee = instance != nullptr;
    });
    return instance;
}

int enPixels(int twips)
{
    return std::max(0, (twips + 7) / 15);
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

// The thread that makes every libVLC call, in the order asked.
class TravauxVue {
public:
    TravauxVue() : fil_([this] { tourner(); }) {}
    ~TravauxVue()
    {
        ajouter([this] {
            if (lecteur) {
                libvlc_media_player_stop(lecteur);
                libvlc_media_player_release(lecteur);
                lecteur = nullptr;
            }
        });
        {
            std::lock_guard verrou(mutex_);
            fin_ = true;
        }
        condition_.notify_one();
        fil_.join();
    }

    void ajouter(std::function<void()> travail)
    {
        {
            std::lock_guard verrou(mutex_);
            file_.push_back(std::move(travail));
        }
        condition_.notify_one();
    }

    void attendre()
    {
        std::promise<void> fait;
        auto futur = fait.get_future();
        ajouter([&fait] { fait.set_value(); });
        futur.wait();
    }

    // Thread side only.
    libvlc_media_player_t* assurerLecteur()
    {
        if (!lecteur) {
            libvlc_instance_t* instance = instanceVlc();
            if (!instance)
                return nullptr;
            lecteur = libvlc_media_player_new(instance);
            if (lecteur) {
                libvlc_video_set_mouse_input(lecteur, 0);
                libvlc_video_set_key_input(lecteur, 0);
            }
        }
        return lecteur;
    }

    QString dossierTemporaire()
    {
        if (!temporaire_)
            temporaire_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/kelmor-vue-XXXXXX");
        return temporaire_->isValid() ? temporaire_->path() : QString();
    }

    libvlc_media_player_t* lecteur = nullptr;

private:
    void tourner()
    {
        for (;;) {
            std::function<void()> travail;
            {
                std::unique_lock verrou(mutex_);
                condition_.wait(verrou, [this] { return fin_ || !file_.empty(); });
                if (file_.empty())
                    return;
                travail = std::move(file_.front());
                file_.pop_front();
            }
            travail();
        }
    }

    std::mutex mutex_;
    std::condition_variable condition_;
    std::deque<std::function<void()>> file_;
    bool fin_ = false;
    std::unique_ptr<QTemporaryDir> temporaire_;
    std::thread fil_;
};

// The native widget VLC draws into. Its window must outlive the playback into it: the
// view is stopped before the window goes.
class VueIntegreeVlc::Surface : public QWidget {
public:
    Surface(QWidget* hote, std::function<void()> avantDestruction)
        : QWidget(hote), avantDestruction_(std::move(avantDestruction))
    {
        setAttribute(Qt::WA_NativeWindow);
        // The player draws here and the X server paints the rest black: the toolkit never
        // paints over it (it would copy what lies under the window into the bands).
        setAttribute(Qt::WA_PaintOnScreen);
        setAttribute(Qt::WA_NoSystemBackground);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    QPaintEngine* paintEngine() const override { return nullptr; }
    ~Surface() override
    {
        if (avantDestruction_)
            avantDestruction_();
    }
    void detacher() { avantDestruction_ = nullptr; }

private:
    std::function<void()> avantDestruction_;
};

VueIntegreeVlc::VueIntegreeVlc() = default;

VueIntegreeVlc::~VueIntegreeVlc()
{
    if (surface_)
        surface_->detacher();
    travaux_.reset();  // stops and releases the player, then ends the thread
}

bool VueIntegreeVlc::instanceCreee()
{
    return g_instanceCreee;
}

void VueIntegreeVlc::attendreTravaux()
{
    if (travaux_)
        travaux_->attendre();
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
        surface_ = new Surface(widget, [this] { surfacePerdue(); });
    }
    if (!geometrieDonnee_)
        geometrie_ = widget->rect();
    appliquerGeometrie();
    surface_->show();
    fondNoirX11(surface_->internalWinId());
}

void VueIntegreeVlc::surfacePerdue()
{
    if (!travaux_)
        return;
    TravauxVue* t = travaux_.get();
    t->ajouter([t] {
        if (t->lecteur) {
            libvlc_media_player_stop(t->lecteur);
            libvlc_media_player_set_xwindow(t->lecteur, 0);
        }
    });
    t->attendre();
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
    t->ajouter([t] {
        if (t->lecteur)
            libvlc_media_player_stop(t->lecteur);
    });
}

void VueIntegreeVlc::viderListe()
{
    if (!lecteurDemande_)
        return;
    TravauxVue* t = travaux_.get();
    t->ajouter([t] {
        if (t->lecteur)
            libvlc_media_player_set_media(t->lecteur, nullptr);
    });
}

void VueIntegreeVlc::ajouterEtJouer(const QString& adresse, const QStringList& options)
{
    if (!travaux_)
        travaux_ = std::make_unique<TravauxVue>();
    lecteurDemande_ = true;
    dossierInstantanes_ = valeurOption(options, QStringLiteral(":snapshot-path="));
    QString desentrelacement;
    if (valeurOption(options, QStringLiteral(":video-filter=")) == u"deinterlace")
        desentrelacement = valeurOption(options, QStringLiteral(":deinterlace-mode="));
    QList<QByteArray> optionsElement;
    for (const QString& o : options)
        if (!o.isEmpty() && !o.startsWith(u":video-filter=") && !o.startsWith(u":deinterlace-mode="))
            optionsElement << o.toUtf8();
    const uint32_t fenetre = surface_ ? uint32_t(surface_->winId()) : 0;
    fondNoirX11(fenetre);
    const QByteArray cible = adresse.toUtf8();
    const QByteArray mode = desentrelacement.toUtf8();
    const int volume = volume_;
    const bool muet = muet_;
    TravauxVue* t = travaux_.get();
    t->ajouter([=] {
        libvlc_media_player_t* lecteur = t->assurerLecteur();
        if (!lecteur)
            return;
        const bool url = cible.contains("://");
        libvlc_media_t* media = url ? libvlc_media_new_location(instanceVlc(), cible.constData())
                                    : libvlc_media_new_path(instanceVlc(), cible.constData());
        if (!media)
            return;
        for (const QByteArray& o : optionsElement)
            libvlc_media_add_option(media, o.constData());
        libvlc_media_player_set_media(lecteur, media);
        libvlc_media_release(media);
        libvlc_media_player_set_xwindow(lecteur, fenetre);
        libvlc_video_set_deinterlace(lecteur, mode.isEmpty() ? nullptr : mode.constData());
        libvlc_audio_set_volume(lecteur, volume);
        libvlc_audio_set_mute(lecteur, muet ? 1 : 0);
        libvlc_media_player_play(lecteur);
    });
}

void VueIntegreeVlc::definirVolume(int volume)
{
    volume_ = std::clamp(volume, 0, 200);
    if (!lecteurDemande_)
        return;
    TravauxVue* t = travaux_.get();
    t->ajouter([t, v = volume_] {
        if (t->lecteur)
            libvlc_audio_set_volume(t->lecteur, v);
    });
}

void VueIntegreeVlc::definirMuet(bool muet)
{
    muet_ = muet;
    if (!lecteurDemande_)
        return;
    TravauxVue* t = travaux_.get();
    t->ajouter([t, muet] {
        if (t->lecteur)
            libvlc_audio_set_mute(t->lecteur, muet ? 1 : 0);
    });
}

QString VueIntegreeVlc::prendreInstantane(Suite<bool> ecrit)
{
    (void)ecrit;
    if (!lecteurDemande_ || dossierInstantanes_.isEmpty())
        return {};
    QDir dossier(dossierInstantanes_);
    // The name the player itself would give, made unique among the files there and the
    // snapshots still on their way.
    const QString base = QStringLiteral("vlcsnap-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HH'h'mm'm'ss's'zzz"));
    QString nom = base + QStringLiteral(".jpg");
    for (int n = 2; dossier.exists(nom) || instantanesPromis_.contains(dossier.filePath(nom)); ++n)
        nom = base + QStringLiteral("-%1.jpg").arg(n);
    const QString chemin = dossier.filePath(nom);
    instantanesPromis_.insert(chemin);
    const QString partiel = dossier.filePath(QStringLiteral(".") + nom + QStringLiteral(".part"));
    TravauxVue* t = travaux_.get();
    t->ajouter([t, chemin, partiel] {
        const QString temporaire = t->dossierTemporaire();
        if (!t->lecteur || temporaire.isEmpty())
            return;
        const QString png = temporaire + QStringLiteral("/instantane.png");
        QFile::remove(png);
        if (libvlc_video_take_snapshot(t->lecteur, 0, QFile::encodeName(png).constData(), 0, 0) != 0)
            return;
        QImage image;
        QDeadlineTimer limite(2000);
        while (!image.load(png, "PNG") && !limite.hasExpired())
            QThread::msleep(20);
        QFile::remove(png);
        if (image.isNull())
            return;
        if (!image.save(partiel, "JPG", 90) || !QFile::rename(partiel, chemin))
            QFile::remove(partiel);
    });
    return chemin;
}

QWidget* VueIntegreeVlc::surface() const
{
    return surface_.data();
}
