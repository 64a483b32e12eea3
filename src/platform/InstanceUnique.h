#pragma once

// Guards against a second copy of the program.
class InstanceUnique {
public:
    virtual ~InstanceUnique() = default;
    // True when this process is the only copy (and now holds the lock).
    virtual bool acquerir() = 0;
};
