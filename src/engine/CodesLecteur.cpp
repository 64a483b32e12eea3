#include "engine/CodesLecteur.h"

#include <QStringList>

namespace {

QString entree(const QStringList& table, int index)
{
    return index >= 0 && index < table.size() ? table.at(index) : QString();
}

const QStringList MODES_LACE = {"blend", "bob", "discard", "linear", "mean", "x"};
const QStringList CODES_VIDEO = {"mp1v", "mp2v", "mp4v", "DIV1", "DIV2", "DIV3",
                                 "H263", "H264", "WMV1", "WMV2", "MJPG", "theo"};
const QStringList EXTENSIONS_VIDEO = {".mpg", ".mpg", ".mpg", ".avi", ".avi", ".avi",
                                      ".avi", ".avi", ".wmv", ".wmv", ".mpg", ".mpg"};
const QStringList CODES_AUDIO = {"mpga", "mp2a", "mp3", "mp4a", "a52",
                                 "vorb", "flac", "spx", "s16l", "fl32"};
const QStringList EXTENSIONS_AUDIO = {".mp1", ".mp2", ".mp3", ".mp4", ".wav",
                                      ".vob", ".wav", ".wav", ".wav", ".wav"};
const QStringList CODES_CONTENEUR = {"ts", "ps", "mpeg1", "ogg", "asf", "mp4", "mov", "wav", "raw"};

}  // namespace

QString modeDesentrelacement(int lace) { return entree(MODES_LACE, lace); }
QString codeVideo(int vcod) { return entree(CODES_VIDEO, vcod); }
QString extensionVideo(int vcod) { return entree(EXTENSIONS_VIDEO, vcod); }
QString codeAudio(int acod) { return entree(CODES_AUDIO, acod); }
QString extensionAudio(int acod) { return entree(EXTENSIONS_AUDIO, acod); }
QString codeConteneur(int caps) { return entree(CODES_CONTENEUR, caps); }
