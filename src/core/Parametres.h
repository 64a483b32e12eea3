#pragma once
#include <QString>
#include <QStringList>

// The user's settings: one typed field per key of the settings file "Kelmor.ini".
// Check boxes are bool, drop-down lists hold their 0-based index, texts their text.
// Defaults are those of a first start.
struct Parametres {
    bool AUTR = false;      // run a program after each scheduled recording
    QString AUTP;           // that program's path
    QString AUTL;           // its arguments, with %0 %1 %2
    bool EXEA = false;      // check for a newer version at start
    bool CFGA = false;      // check for a newer channel list at start
    bool SORT = false;      // sort the channel list
    bool MINI = false;      // start in the remote-control form
    bool MTOP = true;       // remote control and mini-screen always on top
    bool UVLC = false;      // play recorded videos with the external player
    bool FLX1 = false;      // a single video stream only
    bool FAVI = false;      // start with the favourites shown
    bool AUTO = false;      // start with the session
    bool CLAV = false;      // keyboard shortcuts
    bool CADR = true;       // keep the window inside the screen
    bool MONO = true;       // a single player instance
    int FOND = 1;           // background texture: Aucune, Métal, Bois, Bleu, Jaune, Feu, Rayé, Orange
    bool TRAN = true;       // transparency and fade-in
    bool TIME = false;      // keep the time-shift file
    bool FULL = false;      // player window in full screen
    bool OTOP = false;      // player window always on top
    bool DISP = true;       // show the player during a manual recording
    bool TVON = false;      // watch the selected channel at start
    bool CHA0 = false;      // remember the selected channel
    bool FRPL = false;      // send to the television by default
    bool ORDI = false;      // when sending to the television, no picture on the PC
    int AVAN = 2;           // minutes early: "  0" "  1" "  5" "10" "15" "20" "25" "30"
    int APRE = 4;           // minutes late, same items
    int ZOOM = 100;         // zoom percent, 10 to 200
    bool INTR = true;       // deinterlacing
    int LACE = 0;           // Fondu, Bob, Négligé, Linéaire, Moyenne, Type X
    int TSPS = 2;           // 1 = TS, 2 = PS, container of untranscoded recordings
    bool VENC = false;      // transcode recordings
    int VCOD = 2;           // video codec index
    QString VDEB = "1024";  // video bit rate, kbit/s
    QString VECH = "100";   // video scale, percent
    int ACOD = 3;           // audio codec index
    QString ADEB = "128";   // audio bit rate, kbit/s
    int ACAN = 1;           // Mono, Stéréo
    bool AUDO = false;      // sound only
    int CAPS = 5;           // container of transcoded recordings
    bool POS0 = false;      // remember the window position
    bool FAVO = false;      // favourites in the remote-control form

    bool operator==(const Parametres&) const = default;
};

// Items of the drop-down lists, in order.
namespace ListesParametres {
inline const QStringList FOND = {"Aucune", "Métal", "Bois", "Bleu", "Jaune", "Feu", "Rayé", "Orange"};
inline const QStringList MINUTES = {"  0", "  1", "  5", "10", "15", "20", "25", "30"};
inline const QStringList LACE = {"Fondu", "Bob", "Négligé", "Linéaire", "Moyenne", "Type X"};
inline const QStringList ACAN = {"Mono", "Stéréo"};
}  // namespace ListesParametres
