#pragma once
#include <QString>
#include <QStringList>

// The player's codes behind the encoding and display lists of the options pane.
// Each list's index picks the code of the same rank.

// Items of the drop-down lists, in order (the deinterlace items are ListesParametres::LACE).
namespace ListesCodecs {
inline const QStringList VCOD = {"MPEG 1", "MPEG 2", "MPEG 4", "DIV 1", "DIV 2", "DIV 3",
                                 "H 263",  "H 264",  "WMV 1",  "WMV 2", "MJPG",  "Theo"};
inline const QStringList ACOD = {"MPEG 1", "MPEG 2", "MP3",  "MPEG 4", "A 52",
                                 "VORB",   "FLAC",   "SPX",  "S16L",   "FL32"};
inline const QStringList CAPS = {"MPEG TS", "MPEG PS", "MPEG 1", "Ogg", "ASF",
                                 "MP4",     "MOV",     "WAV",    "Raw"};
}  // namespace ListesCodecs

// Each returns "" when the index is outside its table.
QString modeDesentrelacement(int lace);  // blend, bob, discard, linear, mean, x
QString codeVideo(int vcod);             // vcodec=
QString extensionVideo(int vcod);        // ".mpg", ".avi" or ".wmv"
QString codeAudio(int acod);             // acodec=
QString extensionAudio(int acod);        // ".mp1" … ".wav"
QString codeConteneur(int caps);         // mux= of a transcoded recording
