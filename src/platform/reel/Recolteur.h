#pragma once
#include <QPointer>
#include <QTimer>

#include <sys/types.h>
#include <vector>

// Players are children of ours: each one that ends is reaped here, by its own pid
// (never waitpid(-1), which would take the exit status of QProcess's children), so that no
// zombie is left. A timer of the event loop does it while some run; the checks and the
// reaper of LecteursVlc do it too. A player outliving its LecteursVlc is still reaped.
class Recolteur {
public:
    static Recolteur& instance();

    void ajouter(pid_t pid);
    void recolter();

private:
    Recolteur() = default;
    void armer();

    static constexpr int kPeriode = 1000;
    std::vector<pid_t> enfants_;
    QPointer<QTimer> minuterie_;
};
