// Time to re-add at start-up 2,000 stored schedule lines dated year 0001 (each frequency,
// and the crafted line of the issue), as Programmation::Recharger does, and time of a tick
// that plans again a year-0001 recurrent entry seen after its end.
#include "engine/DecisionsHorloge.h"
#include "engine/ProgListe.h"
#include "platform/Dialogues.h"

#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>

namespace {

class DialoguesMuets : public Dialogues {
public:
    void exclamation(const QString&) override {}
    void information(const QString&) override {}
    void question(const QString&, Suite<bool> reponse) override { reponse(false); }
    void choisirFichier(const QString&, const QString&, const QString&, Suite<QString> choix) override { choix({}); }
    void quandLibre(std::function<void()> suite) override { suite(); }
    void abandonner() override {}
};

// Wednesday 9 December 2026, 18:00.
const QDateTime kMaintenant(QDate(2026, 12, 9), QTime(18, 0));

double recharger(const QStringList& lignes, int& entrees)
{
    DialoguesMuets dialogues;
    ProgListe l;
    QElapsedTimer t;
    t.start();
    for (const QString& texte : lignes)
        if (const auto ligne = LigneProgramme::depuisTexte(texte))
            l.AjouterProgramme(ValeursEditeur::De(*ligne), false, kMaintenant, dialogues);
    entrees = l.nombre();
    return t.nsecsElapsed() / 1e6;
}

}  // namespace

int main()
{
    // The line, 2,000 times.
    const QStringList memes(2000, QStringLiteral("[A] 01/01/0001 20:00 - 21:00 > France 2 (Q)"));
    // 2,000 lines of every recurrent frequency, on 400 channels, so that few of them merge.
    QStringList melees;
    for (int i = 0; i < 2000; ++i)
        melees << QStringLiteral("[A] %1/01/0001 %2:%3 - %2:%4 > Chaîne %5 (%6)")
                      .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                      .arg(i % 24, 2, 10, QLatin1Char('0'))
                      .arg(i / 24 % 2 * 30, 2, 10, QLatin1Char('0'))
                      .arg(i / 24 % 2 * 30 + 10, 2, 10, QLatin1Char('0'))
                      .arg(i % 400)
                      .arg(QLatin1Char("QLHM"[i % 4]));

    int n = 0;
    const double msMemes = recharger(memes, n);
    std::printf("Re-add of 2000 identical year-0001 daily lines: %.1f ms (%d entry left)\n", msMemes, n);
    const double msMelees = recharger(melees, n);
    std::printf("Re-add of 2000 year-0001 lines of the four recurrent frequencies: %.1f ms (%d entries left)\n",
                msMelees, n);

    // A tick that sees a year-0001 waiting entry after its end plans its next occurrence.
    EntreeHorloge e;
    e.maintenant = kMaintenant;
    e.chaines = {"France 2"};
    const int tours = 200;
    qint64 ns = 0;
    for (int t = 0; t < tours; ++t) {
        ProgListe l;
        for (int f = 0; f < 4; ++f)
            l.inserer(l.nombre(), LigneProgramme{u'A', QDate(1, 1, 1 + f), QTime(20, 0), QTime(21, 0), "France 2",
                                                 QLatin1Char("QLHM"[f])});
        QElapsedTimer chrono;
        chrono.start();
        DeciderTicHorloge(l, e);
        ns += chrono.nsecsElapsed();
    }
    std::printf("Tick planning again four year-0001 entries: %.2f ms per tick\n", ns / 1e6 / tours);
    return 0;
}
