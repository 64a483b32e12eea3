// Time to read a 1,000-channel playlist, file order and sorted.
#include "core/ListeChaines.h"

#include <QByteArray>
#include <chrono>
#include <cstdio>

namespace {

QByteArray playlist(int n)
{
    static const char* const noms[] = {"France", "Télé", "Île", "Côté", "Arte", "Équipe",
                                       "Ça", "Sport", "Musique", "Cinéma"};
    QByteArray t = "#EXTM3U\n";
    for (int i = 0; i < n; ++i) {
        t += "#EXTINF:0," + QByteArray::number(i + 1) + " - " + noms[(i * 7) % 10] + " "
            + QByteArray::number((i * 7919) % 1000) + (i % 5 == 0 ? " une chaîne au nom très long" : "")
            + "\nrtsp://mafreebox.freebox.fr/fbxtv_pub/stream?namespace=1&service="
            + QByteArray::number(200 + i) + "\n";
    }
    return t;
}

double mesurer(const QByteArray& texte, bool trier, int tours)
{
    volatile int total = 0;
    const auto debut = std::chrono::steady_clock::now();
    for (int i = 0; i < tours; ++i)
        total = total + LireListeChaines(texte, trier).taille();
    const auto fin = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(fin - debut).count() / tours;
}

} // namespace

int main()
{
    const QByteArray texte = playlist(1000);
    const int tours = 200;
    mesurer(texte, true, 5); // warm-up
    std::printf("LireListeChaines, 1000 channels, %lld bytes, %d runs\n",
                static_cast<long long>(texte.size()), tours);
    std::printf("  file order: %.3f ms per parse\n", mesurer(texte, false, tours));
    std::printf("  sorted:     %.3f ms per parse\n", mesurer(texte, true, tours));
    return 0;
}
