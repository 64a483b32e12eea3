#include "platform/reel/LancementProcessus.h"

#include "platform/reel/Recolteur.h"

#include <QFile>
#include <QStandardPaths>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <vector>

extern char** environ;

// posix_spawn borrows our memory until the program is loaded instead of copying this
// process's page tables, and tells an exec failure.
pid_t lancerProcessus(const QString& programme, const QStringList& arguments)
{
    QString chemin = programme;
    if (!chemin.contains(u'/'))
        chemin = QStandardPaths::findExecutable(programme);
    if (chemin.isEmpty())
        return 0;
    std::vector<QByteArray> textes;
    textes.reserve(size_t(arguments.size()) + 1);
    textes.push_back(QFile::encodeName(chemin));
    for (const QString& a : arguments)
        textes.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    argv.reserve(textes.size() + 1);
    for (QByteArray& t : textes)
        argv.push_back(t.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributs;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributs);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    sigset_t vide, tous;
    sigemptyset(&vide);
    sigfillset(&tous);
    posix_spawnattr_setsigmask(&attributs, &vide);
    posix_spawnattr_setsigdefault(&attributs, &tous);
    posix_spawnattr_setflags(&attributs, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = 0;
    const int erreur = ::posix_spawn(&pid, argv[0], &actions, &attributs, argv.data(), environ);
    posix_spawnattr_destroy(&attributs);
    posix_spawn_file_actions_destroy(&actions);
    if (erreur != 0)
        return 0;
    Recolteur::instance().ajouter(pid);
    return pid;
}
