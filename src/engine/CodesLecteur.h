#pragma once
#include <QString>

// The player's codes behind the encoding and display lists of the options pane.
// Each item's index in Encodage's lists picks the code of the same rank.

// Each returns "" when the index is outside its table.
QString modeDesentrelacement(int lace);  // blend, bob, discard, linear, mean, x
QString codeVideo(int vcod);             // vcodec=
QString extensionVideo(int vcod);        // ".mpg", ".avi" or ".wmv"
QString codeAudio(int acod);             // acodec=
QString extensionAudio(int acod);        // ".mp1" … ".wav"
QString codeConteneur(int caps);         // mux= of a transcoded recording
