// Opening the options pane for the first time with 1,000 channels in the favourites editor's
// eight slot combos: building the pane from its table, giving it the channel names and
// showing the settings and a full favourites group (our own work), then the first show and
// paint (Qt's). Each round builds a new pane, as the first opening of a run does.
//   build/Options_bench
#include "core/FichierParametres.h"
#include "panes/EditeurFavoris.h"
#include "shell/PanneauOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
using Montre = std::chrono::steady_clock;

double ms(Montre::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

void afficher(const char* quoi, std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    double somme = 0;
    for (double x : v)
        somme += x;
    std::printf("%-44s mean %7.2f ms  median %7.2f ms  max %7.2f ms\n", quoi, somme / double(v.size()),
                v[v.size() / 2], v.back());
}
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QTemporaryDir dossier;
    constexpr int kChaines = 1000;
    constexpr int kTours = 20;

    QStringList noms;
    for (int i = 1; i <= kChaines; ++i)
        noms << QStringLiteral("Chaîne %1").arg(i);
    ContenuParametres c;
    c.dossierEnregistrement = dossier.path() + "/";
    for (int s = 1; s <= 8; ++s)
        c.favoris[s] = noms[s * 111];

    // The main window is on screen before the pane can be opened: Qt's fonts and style are
    // loaded by then. A window with the same kinds of controls stands for it.
    {
        QWidget fenetre;
        auto* v = new QVBoxLayout(&fenetre);
        v->addWidget(new QTabWidget);
        v->addWidget(new QComboBox);
        v->addWidget(new QCheckBox("case"));
        v->addWidget(new QLineEdit);
        v->addWidget(new QPushButton("bouton"));
        fenetre.show();
        fenetre.repaint();
        QApplication::processEvents();
    }

    std::vector<double> travail, affichage;
    for (int t = 0; t < kTours; ++t) {
        const auto t0 = Montre::now();
        auto* p = new PanneauOptions(dossier.path() + "/");
        p->favoris().definirChaines(noms);
        p->afficher(c);
        p->favoris().afficher(c.favoris, 0);
        const auto t1 = Montre::now();
        p->resize(297, 345);
        p->show();
        p->repaint();
        QApplication::processEvents();
        const auto t2 = Montre::now();
        travail.push_back(ms(t1 - t0));
        affichage.push_back(ms(t2 - t1));
        delete p;
    }
    std::printf("options pane, first opening, %d channels, %d rounds (first round %.2f ms)\n", kChaines, kTours,
                travail.front());
    afficher("build + channels + settings (ours, < 30 ms)", travail);
    afficher("first show and paint (Qt)", affichage);
    return 0;
}
