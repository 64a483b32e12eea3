// The yardstick of Demarrage_bench: a bare Qt window holding the same 1,000 channel names in a
// QListWidget, with nothing else. Demarrage_bench starts it and times it to its window shown;
// it runs until it is stopped (SIGTERM).
#include <QApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QStringList>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget fenetre;
    fenetre.setWindowTitle("Kelmor - fenêtre nue");
    auto* disposition = new QHBoxLayout(&fenetre);
    auto* liste = new QListWidget(&fenetre);
    QStringList noms;
    noms.reserve(1000);
    for (int n = 1; n <= 1000; ++n)
        noms << QString("Chaîne %1").arg(n);
    liste->addItems(noms);
    liste->setCurrentRow(499);
    disposition->addWidget(liste);
    fenetre.show();
    return app.exec();
}
