// Time to write and read back a full settings file: ten full favourites groups and
// 200 schedule lines.
#include "core/FichierParametres.h"
#include "platform/Dialogues.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

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

}  // namespace

int main()
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    const QString chemin = dir.filePath("Kelmor.ini");

    QStringList chaines;
    for (int i = 0; i < 300; ++i)
        chaines << QStringLiteral("Chaîne numéro %1").arg(i);

    ContenuParametres c;
    AppliquerDefauts(c, dir.path());
    for (int g = 0; g < TableFavoris::NombreGroupes; ++g) {
        c.favoris[g * 10] = QStringLiteral("Groupe numéro %1").arg(g);
        for (int s = 1; s <= 8; ++s)
            c.favoris[g * 10 + s] = chaines[(g * 8 + s) * 3];
    }
    for (int i = 0; i < 200; ++i)
        c.programmes << QStringLiteral("[A] %1/03/2030 %2:00 - %2:45 > %3 (H)")
                            .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                            .arg(i % 24, 2, 10, QLatin1Char('0'))
                            .arg(chaines[i]);

    const QString dossier = dir.path();
    const auto dossierExiste = [&dossier](const QString& d) { return d == dossier; };
    DialoguesMuets dialogues;

    constexpr int kTours = 500;
    qint64 nsEcriture = 0;
    qint64 nsLecture = 0;
    for (int i = 0; i < kTours; ++i) {
        QElapsedTimer t;
        t.start();
        if (!EcrireFichierParametres(chemin, c)) {
            std::fprintf(stderr, "write failed\n");
            return 1;
        }
        nsEcriture += t.nsecsElapsed();

        t.restart();
        QFile f(chemin);
        if (!f.open(QIODevice::ReadOnly))
            return 1;
        const QByteArray texte = f.readAll();
        ContenuParametres lu;
        LirePassePrecoce(texte, {});
        AppliquerDefauts(lu, dossier);
        LirePassePrincipale(texte, lu, chaines, dossierExiste, dialogues);
        AppliquerMigrations(lu, dialogues);
        nsLecture += t.nsecsElapsed();
        if (!(lu == c)) {
            std::fprintf(stderr, "read back differs\n");
            return 1;
        }
    }
    std::printf("settings file: %lld bytes, %d rounds\n", static_cast<long long>(TexteParametres(c).size()), kTours);
    std::printf("write: %.3f ms mean\n", nsEcriture / 1e6 / kTours);
    std::printf("read:  %.3f ms mean\n", nsLecture / 1e6 / kTours);
    return 0;
}
