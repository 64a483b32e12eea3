#include "core/ClesParametres.h"

#include <QLatin1String>

#include <array>

namespace {

constexpr CleParametre special(const char* nom, GenreCle g) { return {nom, g}; }
constexpr CleParametre caseACocher(const char* nom, bool Parametres::*champ) { return {nom, GenreCle::Case, champ}; }
constexpr CleParametre liste(const char* nom, int Parametres::*champ, int min, int max)
{
    return {nom, GenreCle::Liste, nullptr, champ, nullptr, min, max};
}
constexpr CleParametre texte(const char* nom, QString Parametres::*champ)
{
    return {nom, GenreCle::Texte, nullptr, nullptr, champ};
}

// The keys in the order they are written.
constexpr std::array<CleParametre, 48> kCles = {{
    special("VERS", GenreCle::Version),
    special("PATH", GenreCle::Chemin),
    special("RECP", GenreCle::Dossier),
    caseACocher("AUTR", &Parametres::AUTR),
    texte("AUTP", &Parametres::AUTP),
    texte("AUTL", &Parametres::AUTL),
    caseACocher("EXEA", &Parametres::EXEA),
    caseACocher("CFGA", &Parametres::CFGA),
    caseACocher("SORT", &Parametres::SORT),
    caseACocher("MINI", &Parametres::MINI),
    caseACocher("MTOP", &Parametres::MTOP),
    caseACocher("UVLC", &Parametres::UVLC),
    caseACocher("FLX1", &Parametres::FLX1),
    caseACocher("FAVI", &Parametres::FAVI),
    caseACocher("AUTO", &Parametres::AUTO),
    caseACocher("CLAV", &Parametres::CLAV),
    caseACocher("CADR", &Parametres::CADR),
    caseACocher("MONO", &Parametres::MONO),
    liste("FOND", &Parametres::FOND, 0, 7),
    caseACocher("TRAN", &Parametres::TRAN),
    caseACocher("TIME", &Parametres::TIME),
    caseACocher("FULL", &Parametres::FULL),
    caseACocher("OTOP", &Parametres::OTOP),
    caseACocher("DISP", &Parametres::DISP),
    caseACocher("TVON", &Parametres::TVON),
    caseACocher("CHA0", &Parametres::CHA0),
    special("CHA1", GenreCle::Chaine),
    caseACocher("FRPL", &Parametres::FRPL),
    caseACocher("ORDI", &Parametres::ORDI),
    liste("AVAN", &Parametres::AVAN, 0, 7),
    liste("APRE", &Parametres::APRE, 0, 7),
    liste("ZOOM", &Parametres::ZOOM, 10, 200),
    caseACocher("INTR", &Parametres::INTR),
    liste("LACE", &Parametres::LACE, 0, 5),
    special("TSPS", GenreCle::Encapsulation),
    caseACocher("VENC", &Parametres::VENC),
    liste("VCOD", &Parametres::VCOD, 0, 11),
    texte("VDEB", &Parametres::VDEB),
    texte("VECH", &Parametres::VECH),
    liste("ACOD", &Parametres::ACOD, 0, 9),
    texte("ADEB", &Parametres::ADEB),
    liste("ACAN", &Parametres::ACAN, 0, 1),
    caseACocher("AUDO", &Parametres::AUDO),
    liste("CAPS", &Parametres::CAPS, 0, 8),
    caseACocher("POS0", &Parametres::POS0),
    special("POS1", GenreCle::Position1),
    special("POS2", GenreCle::Position2),
    caseACocher("FAVO", &Parametres::FAVO),
}};

}  // namespace

std::span<const CleParametre> ClesParametres()
{
    return kCles;
}

const CleParametre* TrouverCle(const char* nom)
{
    return nom ? TrouverCle(QStringView(QString::fromLatin1(nom))) : nullptr;
}

const CleParametre* TrouverCle(QStringView nom)
{
    for (const CleParametre& c : kCles)
        if (nom == QLatin1String(c.nom))
            return &c;
    return nullptr;
}
