#pragma once
#include <QByteArray>
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
    // Deletes a file given by the bytes of its path (a name need not be UTF-8 text). True when
    // it is gone afterwards, whether it was there or not.
    virtual bool supprimer(const QByteArray& chemin) = 0;
};
