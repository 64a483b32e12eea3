#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <vlc/vlc.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

// The embedded view's thread: it makes every libVLC call, in the order asked. It sleeps
// until work comes; libVLC's events come to it as work. The only wait with a term is the
// sound's next try. The window's thread only hands it work (ajouter); everything else is
// called from that work, on this thread.
class TravauxVue {
public:
    using Rapport = std::function<void(bool)>;
    // The sound is tried again this often, this many times at most, until libVLC has it.
    static constexpr auto kEssaiSon = std::chrono::milliseconds(100);
    static constexpr int kEssaisSon = 100;

    // An item to play.
    struct Element {
        QByteArray cible;  // an address when it holds "://", a file otherwise
        QList<QByteArray> options;
        QByteArray desentrelacement;  // see instanceVlc
        uint32_t fenetre = 0;
        bool avecSon = true;  // false for ":no-audio": no sound is waited for
        int volume = 100;
        bool muet = false;
    };

    TravauxVue();
    // Stops and releases the player, drops the snapshots on their way, then ends the thread.
    ~TravauxVue();
    TravauxVue(const TravauxVue&) = delete;
    TravauxVue& operator=(const TravauxVue&) = delete;

    void ajouter(std::function<void()> travail);
    // Blocks the caller until the work asked so far is done: tests only.
    void attendre();

    // Thread side only, from here on.
    void jouer(const Element& element);
    void arreterLecture();
    void viderLecture();
    // Stops the player and takes the window from it: the window may go afterwards.
    void lacherFenetre();
    // Asks the player for a PNG; the event, or the give-up, settles it.
    void prendreInstantane(quint64 numero, const QString& chemin, const QString& partiel, Rapport rapport);
    void abandonnerInstantane(quint64 numero);
    void demanderSon(int volume, bool muet);
    // What libVLC says of the sound now: volume and mute, -1 each without an audio output.
    std::pair<int, int> sonActuel() const;

private:
    struct Instantane {
        quint64 numero = 0;
        QString chemin;
        QString partiel;
        Rapport rapport;
    };

    libvlc_media_player_t* assurerLecteur(const QByteArray& desentrelacement);
    void libererLecteur();
    void lectureCommencee(bool avecSon, int volume, bool muet);
    void lectureArretee();
    void accorderSon();
    static void surSon(const libvlc_event_t* evenement, void* donnees);
    static void surInstantane(const libvlc_event_t* evenement, void* donnees);
    void instantanePris(const QString& png);
    QString dossierTemporaire();
    void tourner();

    libvlc_media_player_t* lecteur_ = nullptr;
    libvlc_instance_t* instance_ = nullptr;  // the player's
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
    QByteArray desentrelacementLecteur_;                           // the setting the player was made for
    std::thread fil_;
};
