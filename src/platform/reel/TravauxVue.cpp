#include "platform/reel/TravauxVue.h"

#include "platform/reel/InstancesVlc.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <future>

namespace {
// libVLC's events that may mean the sound of the item has come up, or been changed under us.
constexpr libvlc_event_e kEvenementsSon[] = {libvlc_MediaPlayerPlaying,     libvlc_MediaPlayerESAdded,
                                             libvlc_MediaPlayerAudioDevice, libvlc_MediaPlayerAudioVolume,
                                             libvlc_MediaPlayerMuted,       libvlc_MediaPlayerUnmuted};
}  // namespace

TravauxVue::TravauxVue() : fil_([this] { tourner(); }) {}

TravauxVue::~TravauxVue()
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

void TravauxVue::ajouter(std::function<void()> travail)
{
    {
        std::lock_guard verrou(mutex_);
        file_.push_back(std::move(travail));
    }
    condition_.notify_one();
}

void TravauxVue::attendre()
{
    std::promise<void> fait;
    auto futur = fait.get_future();
    ajouter([&fait] { fait.set_value(); });
    futur.wait();
}

void TravauxVue::jouer(const Element& element)
{
    libvlc_media_player_t* lecteur = assurerLecteur(element.desentrelacement);
    if (!lecteur)
        return;
    const bool url = element.cible.contains("://");
    libvlc_media_t* media = url ? libvlc_media_new_location(instance_, element.cible.constData())
                                : libvlc_media_new_path(instance_, element.cible.constData());
    if (!media)
        return;
    for (const QByteArray& o : element.options)
        libvlc_media_add_option(media, o.constData());
    libvlc_media_player_set_media(lecteur, media);
    libvlc_media_release(media);
    libvlc_media_player_set_xwindow(lecteur, element.fenetre);
    libvlc_media_player_play(lecteur);
    lectureCommencee(element.avecSon, element.volume, element.muet);
}

void TravauxVue::arreterLecture()
{
    if (lecteur_)
        libvlc_media_player_stop(lecteur_);
    lectureArretee();
}

void TravauxVue::viderLecture()
{
    if (lecteur_)
        libvlc_media_player_set_media(lecteur_, nullptr);
    lectureArretee();
}

void TravauxVue::lacherFenetre()
{
    if (!lecteur_)
        return;
    libvlc_media_player_stop(lecteur_);
    libvlc_media_player_set_xwindow(lecteur_, 0);
    lectureArretee();
}

// The player for this deinterlace setting (see instanceVlc): made again, from the
// setting's instance, when the setting changes.
libvlc_media_player_t* TravauxVue::assurerLecteur(const QByteArray& desentrelacement)
{
    if (lecteur_ && desentrelacement != desentrelacementLecteur_)
        libererLecteur();
    if (!lecteur_) {
        instance_ = instanceVlc(desentrelacement);
        if (!instance_)
            return nullptr;
        desentrelacementLecteur_ = desentrelacement;
        lecteur_ = libvlc_media_player_new(instance_);
        if (lecteur_) {
            // libVLC 3 opens an audio output with a new player, before any item; a stop
            // closes it, as between two items: an item without sound then has none.
            libvlc_media_player_stop(lecteur_);
            libvlc_video_set_mouse_input(lecteur_, 0);
            libvlc_video_set_key_input(lecteur_, 0);
            libvlc_event_manager_t* evenements = libvlc_media_player_event_manager(lecteur_);
            libvlc_event_attach(evenements, libvlc_MediaPlayerSnapshotTaken, &TravauxVue::surInstantane, this);
            for (libvlc_event_e e : kEvenementsSon)
                libvlc_event_attach(evenements, e, &TravauxVue::surSon, this);
        }
    }
    return lecteur_;
}

// Snapshots asked of the player and not written yet are given up at their bound.
void TravauxVue::libererLecteur()
{
    if (!lecteur_)
        return;
    libvlc_media_player_stop(lecteur_);
    libvlc_event_manager_t* evenements = libvlc_media_player_event_manager(lecteur_);
    libvlc_event_detach(evenements, libvlc_MediaPlayerSnapshotTaken, &TravauxVue::surInstantane, this);
    for (libvlc_event_e e : kEvenementsSon)
        libvlc_event_detach(evenements, e, &TravauxVue::surSon, this);
    libvlc_media_player_release(lecteur_);
    lecteur_ = nullptr;
    sonAttendu_ = false;
}

void TravauxVue::prendreInstantane(quint64 numero, const QString& chemin, const QString& partiel, Rapport rapport)
{
    const QString temporaire = dossierTemporaire();
    if (!lecteur_ || temporaire.isEmpty()) {
        rapport(false);
        return;
    }
    const QString png = temporaire + QStringLiteral("/instantane-%1.png").arg(numero);
    QFile::remove(png);
    instantanes_[png] = {numero, chemin, partiel, std::move(rapport)};
    // Returns once the player has it in hand (it may take a moment to find a picture);
    // the event may already be queued behind this work.
    if (libvlc_video_take_snapshot(lecteur_, 0, QFile::encodeName(png).constData(), 0, 0) != 0) {
        Instantane i = std::move(instantanes_[png]);
        instantanes_.erase(png);
        i.rapport(false);
    }
}

void TravauxVue::abandonnerInstantane(quint64 numero)
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

// On a thread of libVLC: only hands the file over to our thread.
void TravauxVue::surInstantane(const libvlc_event_t* evenement, void* donnees)
{
    auto* t = static_cast<TravauxVue*>(donnees);
    const char* nom = evenement->u.media_player_snapshot_taken.psz_filename;
    const QString png = nom ? QFile::decodeName(nom) : QString();
    t->ajouter([t, png] { t->instantanePris(png); });
}

void TravauxVue::instantanePris(const QString& png)
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

QString TravauxVue::dossierTemporaire()
{
    if (!temporaire_)
        temporaire_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/kelmor-vue-XXXXXX");
    return temporaire_->isValid() ? temporaire_->path() : QString();
}

// The view's sound. libVLC 3 has no audio output from a stop until the next item's sound
// is up, and refuses a volume or a mute meanwhile (the output that comes keeps the last
// one it took, or none, by output module). So the sound asked is kept here and given to
// each item that plays with sound, once libVLC takes it: at its events, and tried again
// until it does.
void TravauxVue::demanderSon(int volume, bool muet)
{
    volumeVoulu_ = volume;
    muetVoulu_ = muet;
    essaisSon_ = 0;
    accorderSon();
}

void TravauxVue::lectureCommencee(bool avecSon, int volume, bool muet)
{
    volumeVoulu_ = volume;
    muetVoulu_ = muet;
    sonAttendu_ = avecSon;
    essaisSon_ = 0;
    reveil_.reset();
    accorderSon();
}

void TravauxVue::lectureArretee()
{
    sonAttendu_ = false;
    reveil_.reset();
}

std::pair<int, int> TravauxVue::sonActuel() const
{
    if (!lecteur_)
        return {-1, -1};
    return {libvlc_audio_get_volume(lecteur_), libvlc_audio_get_mute(lecteur_)};
}

void TravauxVue::accorderSon()
{
    if (!lecteur_ || !sonAttendu_)
        return;
    const std::pair<int, int> voulu{volumeVoulu_, muetVoulu_ ? 1 : 0};
    if (sonActuel() == voulu)
        return;
    // Bounded, each change counted: an output that rounds the level its own way is not
    // chased for ever.
    if (essaisSon_ >= kEssaisSon)
        return;
    ++essaisSon_;
    libvlc_audio_set_volume(lecteur_, volumeVoulu_);
    libvlc_audio_set_mute(lecteur_, muetVoulu_ ? 1 : 0);
    if (sonActuel() != voulu)
        reveil_ = std::chrono::steady_clock::now() + kEssaiSon;
}

// On a thread of libVLC: only hands the news over to our thread. A sound that comes up
// (a slow stream's, long after the play) gets its tries afresh.
void TravauxVue::surSon(const libvlc_event_t* evenement, void* donnees)
{
    if (evenement->type == libvlc_MediaPlayerESAdded
        && evenement->u.media_player_es_changed.i_type != libvlc_track_audio)
        return;
    const bool nouveau = evenement->type == libvlc_MediaPlayerPlaying || evenement->type == libvlc_MediaPlayerESAdded
                         || evenement->type == libvlc_MediaPlayerAudioDevice;
    auto* t = static_cast<TravauxVue*>(donnees);
    t->ajouter([t, nouveau] {
        if (nouveau)
            t->essaisSon_ = 0;
        t->accorderSon();
    });
}

void TravauxVue::tourner()
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
