#pragma once
#include <QString>

// Guards against a second copy of the program.
class InstanceUnique {
public:
    // What taking the lock gave.
    enum class Resultat {
        Seule,                // this process is the only copy and now holds the lock
        DejaLancee,           // another copy holds the lock
        DossierInaccessible,  // the lock could not be written in the data folder (rights, full disk, no folder)
        VerrouPasUnFichier,   // something that is not a file (a folder, say) takes the lock's name
        VerrouIllisible,      // the lock's file says nothing of its owner: damaged by a crash
        VerrouAutreMachine,   // taken on another computer by name (machineDuVerrou): this one cannot tell whether it runs
    };

    virtual ~InstanceUnique() = default;
    virtual Resultat verrouiller() = 0;
    // The lock's path, which the user may be told to remove.
    virtual QString cheminVerrou() const = 0;
    // After VerrouAutreMachine: the name of the computer that took the lock.
    virtual QString machineDuVerrou() const { return {}; }
};
