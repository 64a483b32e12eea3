// Time of one clock tick over a 200-entry schedule: a running entry that ends and is planned
// again past the other 199 waiting entries.
#include "engine/DecisionsHorloge.h"
#include "engine/ProgListe.h"

#include <chrono>
#include <cstdio>

namespace {

ProgListe schedule(int n)
{
    static const char* const frequences = "1QLHM";
    ProgListe l;
    LigneProgramme enCours{u'E', QDate(2026, 12, 9), QTime(20, 0), QTime(21, 0), "Chaîne 0", u'Q'};
    l.inserer(0, enCours);
    for (int i = 1; i < n; ++i) {
        // one entry every 3 hours from tomorrow on, each 2 hours long
        const QDateTime debut = QDateTime(QDate(2026, 12, 10), QTime(0, 0)).addSecs(i * 3 * 3600);
        LigneProgramme a{u'A', debut.date(), debut.time(), debut.time().addSecs(7200),
                         QString("Chaîne %1").arg(i % 40), QChar(frequences[i % 5])};
        l.inserer(l.nombre(), a);
    }
    return l;
}

}  // namespace

int main()
{
    const ProgListe modele = schedule(200);
    EntreeHorloge e;
    e.maintenant = QDateTime(QDate(2026, 12, 9), QTime(21, 0, 5));
    for (int i = 0; i < 40; ++i)
        e.chaines << QString("Chaîne %1").arg(i);
    e.tailleFichier = 3LL << 30;
    e.programmeApres = true;
    e.programme = "/usr/bin/true";
    e.argumentsProgramme = "\"%0/%1.%2\" --ext=%2";
    e.fichierEnregistre = "/tmp/Kelmor Chaîne 0.ts";

    const int tours = 2000;
    std::chrono::nanoseconds total{0};
    std::size_t actions = 0;
    for (int t = 0; t < tours; ++t) {
        ProgListe l = modele;
        const auto debut = std::chrono::steady_clock::now();
        actions += DeciderTicHorloge(l, e).size();
        total += std::chrono::steady_clock::now() - debut;
    }
    std::printf("DeciderTicHorloge, 200 entries: %.2f us per tick (%zu actions per tick)\n",
                std::chrono::duration<double, std::micro>(total).count() / tours, actions / tours);
    return 0;
}
