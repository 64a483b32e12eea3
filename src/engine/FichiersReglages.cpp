#include "engine/FichiersReglages.h"

#include "platform/FichierAtomique.h"
#include "engine/ValidationLecteur.h"

#include <array>
#include <vector>

namespace {

constexpr int COTE = 32;

// Four colours: dark blue background, white drawing, two unused.
constexpr std::array<unsigned char, 12> PALETTE = {0x1E, 0x3C, 0x78, 0xFF, 0xFF, 0xFF,
                                                   0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

// A television with a "K" on its screen, as palette indexes.
int pixel(int x, int y)
{
    static const char* const lettre[7] = {"X...X", "X..X.", "X.X..", "XX...",
                                          "X.X..", "X..X.", "X...X"};
    if (x >= 2 && x <= 29 && y >= 4 && y <= 25) {
        if (x <= 3 || x >= 28 || y <= 5 || y >= 24)
            return 1;
        const int lx = (x - 11) / 2, ly = (y - 8) / 2;
        if (x >= 11 && y >= 8 && lx < 5 && ly < 7)
            return lettre[ly][lx] == 'X' ? 1 : 0;
        return 0;
    }
    if (y >= 26 && y <= 28 && (x == 8 || x == 9 || x == 22 || x == 23))
        return 1;
    return 0;
}

// Packs codes least significant bit first, as GIF's LZW stream wants.
class Bits {
public:
    void ajouter(unsigned code, int largeur)
    {
        for (int i = 0; i < largeur; ++i) {
            if (nbBits_ % 8 == 0)
                octets_.push_back(0);
            if (code & (1u << i))
                octets_.back() = static_cast<unsigned char>(octets_.back() | (1u << (nbBits_ % 8)));
            ++nbBits_;
        }
    }
    const std::vector<unsigned char>& octets() const { return octets_; }

private:
    std::vector<unsigned char> octets_;
    int nbBits_ = 0;
};

void ajouterMot(QByteArray& b, int valeur)
{
    b.append(char(valeur & 0xFF));
    b.append(char((valeur >> 8) & 0xFF));
}

}  // namespace

QByteArray PageReglagesHtml(const QString& adresseLecteur, quint16 portReglages)
{
    const QString hote = hoteSansPort(adresseLecteur);
    if (hote.isEmpty())
        return {};
    const QString texte =
        QStringLiteral("<html><head><meta name=settings_page content=http://") + hote
        + u':' + QString::number(portReglages) + QStringLiteral("/settings.html>\r\n")
        + QStringLiteral("<meta name=maddr content=127.0.0.1><meta name=pcr content=68>"
                         "<meta name=vid content=68><meta name=aud content=69(en,mp2)>\r\n")
        + QStringLiteral("</head><body><table border=0 cellspacing=20><tr><td>"
                         "&nbsp;&nbsp;&nbsp;&nbsp;<img src=settings.gif></td></tr></table>"
                         "</body></html>\r\n");
    return texte.toUtf8();
}

QByteArray ImageReglages()
{
    // Uncompressed LZW: a clear code before every two pixels keeps the codes 3 bits wide,
    // which any decoder reads.
    constexpr unsigned EFFACER = 4, FIN = 5;
    constexpr int LARGEUR = 3;
    Bits bits;
    for (int i = 0; i < COTE * COTE; ++i) {
        if (i % 2 == 0)
            bits.ajouter(EFFACER, LARGEUR);
        bits.ajouter(unsigned(pixel(i % COTE, i / COTE)), LARGEUR);
    }
    bits.ajouter(FIN, LARGEUR);

    QByteArray gif("GIF89a");
    ajouterMot(gif, COTE);
    ajouterMot(gif, COTE);
    gif.append(char(0x91));  // global palette of 4 colours, 2 bits of colour resolution
    gif.append(char(0));     // background colour
    gif.append(char(0));     // square pixels
    for (unsigned char c : PALETTE)
        gif.append(char(c));
    gif.append(char(0x2C));  // image descriptor
    ajouterMot(gif, 0);
    ajouterMot(gif, 0);
    ajouterMot(gif, COTE);
    ajouterMot(gif, COTE);
    gif.append(char(0));
    gif.append(char(2));  // LZW minimum code size
    const auto& donnees = bits.octets();
    for (size_t debut = 0; debut < donnees.size(); debut += 255) {
        const size_t n = std::min<size_t>(255, donnees.size() - debut);
        gif.append(char(n));
        gif.append(reinterpret_cast<const char*>(donnees.data() + debut), qsizetype(n));
    }
    gif.append(char(0));
    gif.append(char(0x3B));
    return gif;
}

bool EcrirePageReglages(const QString& dossierProgramme, const QString& adresseLecteur, quint16 portReglages)
{
    const QByteArray page = PageReglagesHtml(adresseLecteur, portReglages);
    if (page.isEmpty())
        return false;
    return ecrireFichierAtomique(dossierProgramme + QStringLiteral("settings.html"), page)
           && ecrireFichierAtomique(dossierProgramme + QStringLiteral("settings.gif"), ImageReglages());
}
