#pragma once
#include "core/Parametres.h"

#include <QString>
#include <QStringList>

// Command lines of the external player `vlc`, as argument vectors.
//
// - The vectors hold the arguments only: the player's path is not part of them, the
//   caller hands it to Lecteurs::demarrer separately. One element per argument, no
//   quoting and no shell.
// - The target (stream address or file) always comes last, after "--", so that it can
//   never be read as an option.
// - A builder that is given an invalid stream address (see adresseFluxValide), an
//   invalid path, an invalid re-broadcast host or a code index outside its table returns
//   an EMPTY list: the caller must then start nothing and tell the user.
// - A hidden player starts with "-I dummy" and has no display branch.
// - Every player carries "--no-one-instance --no-dbus" just before "--": it never hands its
//   target over to another vlc (the user's own, through the desktop's session bus), and no
//   other vlc hands it one. Single-instance mode (MONO) is the callers' rule instead: they
//   close our previous player before they start the next.
// - Paths inside a stream-output chain are quoted and escaped (see cheminCite).
// - The builders are pure: writing the settings page before a re-broadcast
//   (EcrirePageReglages) and closing the media pane in single-stream mode are the caller's.
//
// `optionsVLC` is the base option list as last built by OptionsVLC() at a settings save
// (empty before the first save of a run); the display, encoding and re-broadcast options
// are read from `p` at the moment the command is built.
// `diffuser` is the re-broadcast toggle (TV, or TV2 for file playback); `hote` is then the
// box player feature's host, "host" or "host:port" (UDP port 1234 when none is given).

// Base options, rebuilt at every settings save: hotkeys, snapshots into the recording
// folder (given with its final "/"), zoom in percent.
QStringList OptionsVLC(const QString& dossierEnregistrement, int zoom);

// base followed by the display options (full screen, on top, deinterlacing).
// Empty when INTR is ticked with a LACE index outside the table.
QStringList AjouterOptionsEcran(const QStringList& base, const Parametres& p);

// Re-broadcast options for watching, time-shift and file playback: MPEG-TS over UDP to
// the box's player feature, and to the local display unless ORDI is ticked.
// Empty when the host is invalid.
QStringList OptionsDiffusion(const Parametres& p, const QString& hote);

// Watching a channel (window shown).
QStringList CommandeRegarder(const QStringList& optionsVLC, const Parametres& p,
                             const QString& adresse, bool diffuser, const QString& hote);

// The time-shift buffer file: the recording folder (with its final "/") + "TimeShift.mpg".
QString fichierDiffere(const QString& dossierEnregistrement);

// Time-shift: the hidden recorder writing the live stream into the buffer file as MPEG-PS.
// Empty when the address is invalid or the buffer's path cannot be quoted.
QStringList CommandeDiffereEnregistreur(const QString& dossierEnregistrement, const QString& adresse);

// Time-shift: the visible player of the buffer as ServeurDiffere serves it (`adresseTampon`,
// an http address on loopback), so that it waits at the buffer's end instead of stopping.
// Empty when the address is not a stream address.
QStringList CommandeDiffereLecteurServi(const QStringList& optionsVLC, const Parametres& p,
                                        const QString& adresseTampon, bool diffuser,
                                        const QString& hote);

// A recording into `fichier` (a NomFichierEnregistrement path): one stream-output chain
// with optional transcoding, then the local display when `visible`, the file, and the
// box's player feature when `diffuser`. A bit-rate or scale text that is not a positive
// number is left out of the transcoding block (the player then uses its default). With
// only the sound kept (VENC and AUDO), the file branch selects no video.
QStringList CommandeEnregistrement(const QStringList& optionsVLC, const Parametres& p,
                                   const QString& adresse, const QString& fichier,
                                   bool visible, bool diffuser, const QString& hote);

// "" when recordings can be written into that folder (with its final "/"); else the
// message that names it, for the caller to show when a recording command comes out empty.
QString RefusDossierEnregistrement(const QString& dossierEnregistrement);

// "" when the recording (or time-shift buffer) `fichier` can be written in that folder;
// else the message that names the folder. Unlike the builders this one tries the disk: the
// file is created and removed again, or, when it exists already, opened for writing and left
// as it was. A player would otherwise run on a file that it can never write.
QString RefusFichierEnregistrement(const QString& dossierEnregistrement, const QString& fichier);

// Manual recording: shown when DISP is ticked, re-broadcast when TV is on.
QStringList CommandeEnregistrementManuel(const QStringList& optionsVLC, const Parametres& p,
                                         const QString& adresse, const QString& fichier,
                                         bool diffuser, const QString& hote);

// Scheduled recording: always hidden, never re-broadcast.
QStringList CommandeEnregistrementProgramme(const QStringList& optionsVLC, const Parametres& p,
                                            const QString& adresse, const QString& fichier);

// Playback of a local file (absolute path); the player quits when the file ends.
QStringList CommandeFichier(const QStringList& optionsVLC, const Parametres& p,
                            const QString& chemin, bool diffuser, const QString& hote);

// The player resets its configuration and plugin cache, saves and quits (hidden).
QStringList CommandeReinitialisation();
