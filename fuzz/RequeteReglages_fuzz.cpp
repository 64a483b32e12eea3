// Any bytes as what a client sends to the settings page.
#include "Exiger.h"
#include "platform/RequeteReglages.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QByteArray tampon(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const RequeteReglages r = analyserRequeteReglages(tampon);
    if (r == RequeteReglages::Incomplete)
        exiger(tampon.size() <= kTailleMaxRequeteReglages, "a request over the cap is decided");
    // A decided request stays decided whatever follows it.
    if (r != RequeteReglages::Incomplete && r != RequeteReglages::TropLongue) {
        const RequeteReglages suite = analyserRequeteReglages(tampon + "Host: x\r\n\r\n");
        exiger(suite == r, "a decided request stays decided");
    }
    exiger(r == RequeteReglages::Incomplete || !reponseReglages(r, "x").isEmpty(), "a decided request has an answer");
    return 0;
}
