#include "platform/reel/VueIntegreeVlc.h"
#include "platform/Twips.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QTemporaryDir>
#include <QMetaObject>
#include <QResizeEvent>
#include <QTimer>

#include <vlc/vlc.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <future>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

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

xcb_connection_t* connexionX()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

const xcb_screen_t* ecranX(xcb_connection_t* c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data;
}

// The window the player draws into: ours, not the toolkit's, so that we alone decide when
// it goes (see surfacePerdue). Painted black by the X server, like its parent.
quint32 creerFenetreVideo(WId parent, QSize taille)
{
    xcb_connection_t* c = connexionX();
    if (!c || !parent)
        return 0;
    const xcb_screen_t* ecran = ecranX(c);
    const uint32_t noir = ecran ? ecran->black_pixel : 0;
    const xcb_window_t fenetre = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, fenetre, xcb_window_t(parent), 0, 0,
                      uint16_t(std::clamp(taille.width(), 1, 32767)), uint16_t(std::clamp(taille.height(), 1, 32767)),
                      0, XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXEL, &noir);
    xcb_map_window(c, fenetre);
    xcb_flush(c);
    return fenetre;
}

void dimensionnerFenetreVideo(quint32 fenetre, QSize taille)
{
    xcb_connection_t* c = connexionX();
    if (!c || !fenetre)
        return;
    const uint32_t valeurs[] = {uint32_t(std::clamp(taille.width(), 1, 32767)),
                                uint32_t(std::clamp(taille.height(), 1, 32767))};
    xcb_configure_window(c, fenetre, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, valeurs);
    xcb_flush(c);
}

// Out of sight and out of its parent: the parent may now go without taking it along.
// (The first screen's root: the program runs on one X screen.)
void eloignerFenetreVideo(quint32 fenetre)
{
    xcb_connection_t* c = connexionX();
    const xcb_screen_t* ecran = c ? ecranX(c) : nullptr;
    if (!ecran || !fenetre)
        return;
    xcb_unmap_window(c, fenetre);
    xcb_reparent_window(c, fenetre, ecran->root, 0, 0);
    xcb_flush(c);
}

void detruireFenetreVideo(quint32 fenetre)
{
    xcb_connection_t* c = connexionX();
    if (!c || !fenetre)
        return;
    xcb_destroy_window(c, fenetre);
    xcb_flush(c);
}

// How the player deinterlaces: "" not at all, otherwise the mode, on the pictures the stream
// codes as interlaced (VLC's own default); progressive pictures are left as they are.
// libVLC 3 can only force the filter on every picture from a player
// (libvlc_video_set_deinterlace): the automatic choice is an instance's setting, which a
// player takes when it is made. So each setting has its instance, made on first use (from
// a view's thread) and kept for the rest of the run.
libvlc_instance_t* instanceVlc(const QByteArray& desentrelacement)
{
    static std::mutex mutex;
    static std::map<QByteArray, libvlc_instance_t*> instances;
    std::lock_guard verrou(mutex);
    libvlc_instance_t*& instance = instances[desentrelacement];
    if (!instance) {
        // No title over the picture, no snapshot thumbnail drawn over the next tiles, no
        // Xlib modules in a process whose toolkit talks XCB.
        std::vector<QByteArray> arguments{"--quiet", "--no-xlib", "--no-video-title-show", "--no-snapshot-preview",
                                          "--no-stats"};
        if (desentrelacement.isEmpty()) {
            arguments.push_back("--deinterlace=0");
        } else {
            arguments.push_back("--deinterlace=-1");
            arguments.push_back("--deinterlace-mode=" + desentrelacement);
        }
        std::vector<const char*> pointeurs;
        for (const QByteArray& a : arguments)
            pointeurs.push_back(a.constData());
        instance = libvlc_new(int(pointeurs.size()), pointeurs.data());
        if (instance)
            g_instanceCreee = true;
    }
    return instance;
}

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

// libVLC's events that may mean the sound of the item has come up, or been changed under us.
constexpr libvlc_event_e kEvenementsSon[] = {libvlc_MediaPlayerPlaying,     libvlc_MediaPlayerESAdded,
                                             libvlc_MediaPlayerAudioDevice, libvlc_MediaPlayerAudioVolume,
                                             libvlc_MediaPlayerMuted,       libvlc_MediaPlayerUnmuted};

// The thread that makes every libVLC call, in the order asked. It sleeps until work comes;
// libVLC's events come to it as work. The only wait with a term is the sound's next try.
class TravauxVue {
public:
    using Rapport = std::function<void(bool)>;
    // The sound is tried again this often, this many times at most, until libVLC has it.
    static constexpr auto kEssaiSon = std::chrono::milliseconds(100);
    static constexpr int kEssaisSon = 100;

    TravauxVue() : fil_([this] { tourner(); }) {}
    ~TravauxVue()
    {
        ajouter([this] {
            libererLecteur();
            for (auto& [png, i] : instantanes_)
                QFile::remove(png);
            instantanes_.clear();
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

    // Blocks the caller until the work asked so far is done: tests only.
    void attendre()
    {
        std::promise<void> fait;
        auto futur = fait.get_future();
        ajouter([&fait] { fait.set_value(); });
        futur.wait();
    }

    // Thread side only, from here on.
    // The player for this deinterlace setting (see instanceVlc): made again, from the
    // setting's instance, when the setting changes.
    libvlc_media_player_t* assurerLecteur(const QByteArray& desentrelacement)
    {
        if (lecteur && desentrelacement != desentrelacementLecteur_)
            libererLecteur();
        if (!lecteur) {
            instance = instanceVlc(desentrelacement);
            if (!instance)
                return nullptr;
            desentrelacementLecteur_ = desentrelacement;
            lecteur = libvlc_media_player_new(instance);
            if (lecteur) {
                // libVLC 3 opens an audio output with a new player, before any item; a stop
                // closes it, as between two items: an item without sound then has none.
                libvlc_media_player_stop(lecteur);
                libvlc_video_set_mouse_input(lecteur, 0);
                libvlc_video_set_key_input(lecteur, 0);
                libvlc_event_manager_t* evenements = libvlc_media_player_event_manager(lecteur);
                libvlc_event_attach(evenements, libvlc_MediaPlayerSnapshotTaken, &TravauxVue::surInstantane, this);
                for (libvlc_event_e e : kEvenementsSon)
                    libvlc_event_attach(evenements, e, &TravauxVue::surSon, this);
            }
        }
        return lecteur;
    }

    // Asks the player for a PNG; the event, or the give-up, settles it.
    void prendreInstantane(quint64 numero, const QString& chemin, const QString& partiel, Rapport rapport)
    {
        const QString temporaire = dossierTemporaire();
        if (!lecteur || temporaire.isEmpty()) {
            rapport(false);
            return;
        }
        const QString png = temporaire + QStringLiteral("/instantane-%1.png").arg(numero);
        QFile::remove(png);
        instantanes_[png] = {numero, chemin, partiel, std::move(rapport)};
        // Returns once the player has it in hand (it may take a moment to find a picture);
        // the event may already be queued behind this work.
        if (libvlc_video_take_snapshot(lecteur, 0, QFile::encodeName(png).constData(), 0, 0) != 0) {
            Instantane i = std::move(instantanes_[png]);
            instantanes_.erase(png);
            i.rapport(false);
        }
    }

    void abandonnerInstantane(quint64 numero)
    {
        for (auto it = instantanes_.begin(); it != instantanes_.end(); ++it) {
            if (it->second.numero != numero)
                continue;
            QFile::remove(it->first);
            Rapport rapport = std::move(it->second.rapport);
            instantanes_.erase(it);
            rapport(false);
            return;
        }
    }

    // The view's sound. libVLC 3 has no audio output from a stop until the next item's sound
    // is up, and refuses a volume or a mute meanwhile (the output that comes keeps the last
    // one it took, or none, by output module). So the sound asked is kept here and given to
    // each item that plays with sound, once libVLC takes it: at its events, and tried again
    // until it does.
    void demanderSon(int volume, bool muet)
    {
        volumeVoulu_ = volume;
        muetVoulu_ = muet;
        essaisSon_ = 0;
        accorderSon();
    }
    void lectureCommencee(bool avecSon, int volume, bool muet)
    {
        volumeVoulu_ = volume;
        muetVoulu_ = muet;
        sonAttendu_ = avecSon;
        essaisSon_ = 0;
        reveil_.reset();
        accorderSon();
    }
    void lectureArretee()
    {
        sonAttendu_ = false;
        reveil_.reset();
    }
    // What libVLC says of the sound now: volume and mute, -1 each without an audio output.
    std::pair<int, int> sonActuel() const
    {
        if (!lecteur)
            return {-1, -1};
        return {libvlc_audio_get_volume(lecteur), libvlc_audio_get_mute(lecteur)};
    }

    libvlc_media_player_t* lecteur = nullptr;
    libvlc_instance_t* instance = nullptr;  // the player's

private:
    // Snapshots asked of the player and not written yet are given up at their bound.
    void libererLecteur()
    {
        if (!lecteur)
            return;
        libvlc_media_player_stop(lecteur);
        libvlc_event_manager_t* evenements = libvlc_media_player_event_manager(lecteur);
        libvlc_event_detach(evenements, libvlc_MediaPlayerSnapshotTaken, &TravauxVue::surInstantane, this);
        for (libvlc_event_e e : kEvenementsSon)
            libvlc_event_detach(evenements, e, &TravauxVue::surSon, this);
        libvlc_media_player_release(lecteur);
        lecteur = nullptr;
        sonAttendu_ = false;
    }

    void accorderSon()
    {
        if (!lecteur || !sonAttendu_)
            return;
        const std::pair<int, int> voulu{volumeVoulu_, muetVoulu_ ? 1 : 0};
        if (sonActuel() == voulu)
            return;
        // Bounded, each change counted: an output that rounds the level its own way is not
        // chased for ever.
        if (essaisSon_ >= kEssaisSon)
            return;
        ++essaisSon_;
        libvlc_audio_set_volume(lecteur, volumeVoulu_);
        libvlc_audio_set_mute(lecteur, muetVoulu_ ? 1 : 0);
        if (sonActuel() != voulu)
            reveil_ = std::chrono::steady_clock::now() + kEssaiSon;
    }

    // On a thread of libVLC: only hands the news over to our thread. A sound that comes up
    // (a slow stream's, long after the play) gets its tries afresh.
    static void surSon(const libvlc_event_t* evenement, void* donnees)
    {
        if (evenement->type == libvlc_MediaPlayerESAdded
            && evenement->u.media_player_es_changed.i_type != libvlc_track_audio)
            return;
        const bool nouveau = evenement->type == libvlc_MediaPlayerPlaying
                             || evenement->type == libvlc_MediaPlayerESAdded
                             || evenement->type == libvlc_MediaPlayerAudioDevice;
        auto* t = static_cast<TravauxVue*>(donnees);
        t->ajouter([t, nouveau] {
            if (nouveau)
                t->essaisSon_ = 0;
            t->accorderSon();
        });
    }

    struct Instantane {
        quint64 numero = 0;
        QString chemin;
        QString partiel;
        Rapport rapport;
    };

    // On a thread of libVLC: only hands the file over to our thread.
    static void surInstantane(const libvlc_event_t* evenement, void* donnees)
    {
        auto* t = static_cast<TravauxVue*>(donnees);
        const char* nom = evenement->u.media_player_snapshot_taken.psz_filename;
        const QString png = nom ? QFile::decodeName(nom) : QString();
        t->ajouter([t, png] { t->instantanePris(png); });
    }

    void instantanePris(const QString& png)
    {
        auto it = instantanes_.find(png);
        if (it == instantanes_.end()) {
            // Given up already, or not one of ours.
            if (png.startsWith(dossierTemporaire() + '/'))
                QFile::remove(png);
            return;
        }
        Instantane i = std::move(it->second);
        instantanes_.erase(it);
        const QImage image(png);
        QFile::remove(png);
        const bool ecrit = !image.isNull() && image.save(i.partiel, "JPG", 90) && QFile::rename(i.partiel, i.chemin);
        if (!ecrit)
            QFile::remove(i.partiel);
        i.rapport(ecrit);
    }

    QString dossierTemporaire()
    {
        if (!temporaire_)
            temporaire_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/kelmor-vue-XXXXXX");
        return temporaire_->isValid() ? temporaire_->path() : QString();
    }

    void tourner()
    {
        for (;;) {
            std::function<void()> travail;
            {
                std::unique_lock verrou(mutex_);
                const auto pret = [this] { return fin_ || !file_.empty(); };
                if (reveil_)
                    condition_.wait_until(verrou, *reveil_, pret);
                else
                    condition_.wait(verrou, pret);
                if (!file_.empty()) {
                    travail = std::move(file_.front());
                    file_.pop_front();
                } else if (fin_) {
                    return;
                } else {
                    reveil_.reset();  // the sound's next try
                    travail = [this] { accorderSon(); };
                }
            }
            travail();
        }
    }

    std::mutex mutex_;
    std::condition_variable condition_;
    std::deque<std::function<void()>> file_;
    bool fin_ = false;
    std::map<QString, Instantane> instantanes_;  // by PNG file, until written or given up
    std::unique_ptr<QTemporaryDir> temporaire_;
    int volumeVoulu_ = 100;
    bool muetVoulu_ = false;
    bool sonAttendu_ = false;  // an item with sound plays: its sound is kept as asked
    int essaisSon_ = 0;
    std::optional<std::chrono::steady_clock::time_point> reveil_;  // the sound's next try
    QByteArray desentrelacementLecteur_;  // the setting the player was made for
    std::thread fil_;
};

// The native widget that holds the window VLC draws into, and keeps that window at its size.
class VueIntegreeVlc::Surface : public QWidget {
public:
    Surface(QWidget* hote, std::function<void()> avantDestruction, std::function<void(QSize)> redimensionnee)
        : QWidget(hote), avantDestruction_(std::move(avantDestruction)), redimensionnee_(std::move(redimensionnee))
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
        // Still whole here: its native window goes only in QWidget's own destructor.
        if (avantDestruction_)
            avantDestruction_();
    }
    void detacher()
    {
        avantDestruction_ = nullptr;
        redimensionnee_ = nullptr;
    }
    QSize tailleNative() const { return (QSizeF(size()) * devicePixelRatioF()).toSize(); }

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QWidget::resizeEvent(e);
        if (redimensionnee_)
            redimensionnee_(tailleNative());
    }

private:
    std::function<void()> avantDestruction_;
    std::function<void(QSize)> redimensionnee_;
};

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
    return g_instanceCreee;
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
        surface_ = new Surface(
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
        if (t->lecteur) {
            libvlc_media_player_stop(t->lecteur);
            libvlc_media_player_set_xwindow(t->lecteur, 0);
            t->lectureArretee();
        }
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
    t->ajouter([t] {
        if (t->lecteur)
            libvlc_media_player_stop(t->lecteur);
        t->lectureArretee();
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
        t->lectureArretee();
    });
}

void VueIntegreeVlc::ajouterEtJouer(const QString& adresse, const QStringList& options)
{
    if (!travaux_)
        travaux_ = std::make_unique<TravauxVue>();
    lecteurDemande_ = true;
    dossierInstantanes_ = valeurOption(options, QStringLiteral(":snapshot-path="));
    QByteArray desentrelacement;
    if (valeurOption(options, QStringLiteral(":video-filter=")) == u"deinterlace")
        desentrelacement = modeConnu(valeurOption(options, QStringLiteral(":deinterlace-mode=")));
    QList<QByteArray> optionsElement;
    for (const QString& o : options)
        if (!o.isEmpty() && !o.startsWith(u":video-filter=") && !o.startsWith(u":deinterlace-mode="))
            optionsElement << o.toUtf8();
    // ":no-audio": the item has no sound at all, so none is waited for.
    const bool avecSon = !options.contains(QStringLiteral(":no-audio"));
    const uint32_t fenetre = assurerFenetreVideo();
    const QByteArray cible = adresse.toUtf8();
    const int volume = volume_;
    const bool muet = muet_;
    TravauxVue* t = travaux_.get();
    t->ajouter([=] {
        libvlc_media_player_t* lecteur = t->assurerLecteur(desentrelacement);
        if (!lecteur)
            return;
        const bool url = cible.contains("://");
        libvlc_media_t* media = url ? libvlc_media_new_location(t->instance, cible.constData())
                                    : libvlc_media_new_path(t->instance, cible.constData());
        if (!media)
            return;
        for (const QByteArray& o : optionsElement)
            libvlc_media_add_option(media, o.constData());
        libvlc_media_player_set_media(lecteur, media);
        libvlc_media_release(media);
        libvlc_media_player_set_xwindow(lecteur, fenetre);
        libvlc_media_player_play(lecteur);
        t->lectureCommencee(avecSon, volume, muet);
    });
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
    const QString base = QStringLiteral("vlcsnap-")
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
