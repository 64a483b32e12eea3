#pragma once
#include <QString>
#include <QStringList>

#include <sys/types.h>

// Starts the program with the arguments, its standard files on /dev/null, no other file of
// ours left open, default signal handling and in a session of its own (the player outlives
// a closed terminal), and hands it to the Recolteur. A program without "/" is looked for
// in the PATH. 0 when it cannot start.
pid_t lancerProcessus(const QString& programme, const QStringList& arguments);
