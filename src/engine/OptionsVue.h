#pragma once
#include "core/Parametres.h"

#include <QString>
#include <QStringList>

// Item options of the embedded view, one option per element, each beginning with ":".
// Like the texts they stand for once split at "|", each list ends with an empty element.
// They are built as a list, never split from a text, so that a folder holding "|" stays whole.
// The deinterlace filter takes its VLC 3 name, ":video-filter" (":vout-filter" is gone).

// The live view: snapshots as JPEG into the recording folder (given with its final "/"),
// then the deinterlace filter and mode when INTR is ticked. A LACE index outside the
// mode table leaves the filter out: the view still plays.
QStringList OptionsElementVue(const QString& dossierEnregistrement, const Parametres& p);

// The mosaic's snapshot work folder: the data folder (with its final "/") followed by "TMP".
QString DossierSnapshots(const QString& dossierProgramme);
// The snapshots the view leaves there: JPEG files named as the player names them.
QString MotifSnapshots();

// The mosaic: snapshots as JPEG into its work folder, and no sound at all (":no-audio"): a
// tile is never heard, whatever the view's volume is when it starts.
QStringList OptionsMosaique(const QString& dossierSnapshots);
