#pragma once

// Guards against a second copy of the program.
class InstanceUnique {
public:
    // What taking the lock gave.
    enum class Resultat {
        Seule,                // this process is the only copy and now holds the lock
        DejaLancee,           // another copy holds the lock
        DossierInaccessible,  // the lock could not be written in the data folder (rights, full disk, no folder)
    };

    virtual ~InstanceUnique() = default;
    virtual Resultat verrouiller() = 0;
};
