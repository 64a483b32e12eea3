#pragma once
#include <QString>
#include <cstdint>

class Disque {
public:
    virtual ~Disque() = default;
    // Free bytes on the drive that holds the folder; -1 when unknown.
    virtual std::int64_t espaceLibre(const QString& dossier) = 0;
    // Size in bytes of the drive that holds the folder; -1 when unknown.
    virtual std::int64_t espaceTotal(const QString& dossier) = 0;
    // Size in bytes of a file; -1 when it does not exist.
    virtual std::int64_t tailleFichier(const QString& chemin) = 0;
};
