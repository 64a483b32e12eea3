#pragma once
#include <QDateTime>
#include <QString>

#include <cstdint>

// Watches the running recorder, one look per clock tick: its process must live until the
// recording ends, and its file must keep growing (a stream that stops feeding it or a
// full disk leaves the process running on a file that no longer grows).
class SurveillanceEnregistreur {
public:
    enum class Verdict { Normal, LecteurArrete, FichierFige };

    // How long a file may stay the same size before the recording counts as failed.
    static constexpr qint64 kSecondesSansCroissance = 60;
    // Looks further apart than this (the computer slept, the clock waited for an operation)
    // give the file a whole new delay.
    static constexpr qint64 kEcartMaximal = 30;

    // A recording into `fichier` has started at `maintenant`.
    void commencer(const QString& fichier, const QDateTime& maintenant);
    void arreter() { fichier_.clear(); }
    bool active() const { return !fichier_.isEmpty(); }
    const QString& fichier() const { return fichier_; }

    // One look: whether the recorder's process still runs and the file's size now
    // (-1 when it does not exist). A failed verdict ends the watch.
    Verdict verifier(bool lecteurEnCours, std::int64_t taille, const QDateTime& maintenant);

private:
    QString fichier_;
    std::int64_t taille_ = -1;
    QDateTime croissance_;  // when the file last grew (or the recording started)
    QDateTime vu_;          // the last look
};

// The reason told to the user, a sentence without its capital ("le lecteur vlc s'est fermé.").
QString RaisonEchecEnregistrement(SurveillanceEnregistreur::Verdict verdict);
// What the user is told when a recording of `chaine` into `fichier` failed.
QString MessageEchecEnregistrement(bool programme, const QString& chaine, const QString& fichier,
                                   SurveillanceEnregistreur::Verdict verdict);
// What the user is told when time-shift on `chaine` stopped because its buffer `fichier` is
// no longer written.
QString MessageEchecDiffere(const QString& chaine, const QString& fichier, SurveillanceEnregistreur::Verdict verdict);
