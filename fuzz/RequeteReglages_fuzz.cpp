// Any bytes as what a client sends to the settings page.
#include "Exiger.h"
#include "platform/RequeteReglages.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QByteArray tampon(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const RequeteReglages r = AnalyserRequeteReglages(tampon);
    using Etat = RequeteReglages::Etat;
    switch (r.etat) {
    case Etat::Incomplete:
        exiger(!tampon.contains('\n'), "a request with a whole line is decided");
        exiger(tampon.size() <= kLongueurMaxRequeteReglages, "a request over the cap is refused");
        break;
    case Etat::Valide:
        exiger(tampon.indexOf('\n') <= kLongueurMaxRequeteReglages, "a line over the cap is refused");
        exiger(r.chemin.startsWith('/'), "a path starts with /");
        exiger(!r.chemin.contains('?') && !r.chemin.contains(' '), "a path holds no query and no blank");
        for (const char c : r.chemin)
            exiger(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f, "a path holds no control character");
        break;
    case Etat::Refusee:
        exiger(r.chemin.isEmpty(), "a refused request has no path");
        break;
    }
    // What follows a decided request line changes nothing.
    if (r.etat != Etat::Incomplete) {
        const RequeteReglages suite = AnalyserRequeteReglages(tampon + "Host: x\r\n\r\n");
        exiger(suite.etat == r.etat && suite.chemin == r.chemin, "a decided request stays decided");
    }
    return 0;
}
