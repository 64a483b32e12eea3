#pragma once
#include <QString>

// How a snapshot's file name begins, whoever takes it: the external player by its own default,
// the embedded view the same way. The lists and clean-ups find the snapshots by it.
inline const QString PrefixeInstantane = QStringLiteral("vlcsnap-");
