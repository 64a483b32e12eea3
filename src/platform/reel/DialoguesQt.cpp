#include "platform/reel/DialoguesQt.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

namespace {
const QString kTitre = QStringLiteral("Kelmor");
}

// Counts a box for as long as it is open; the last one to close lets the waiting runs go.
class DialoguesQt::Ouverte {
public:
    explicit Ouverte(DialoguesQt& d) : d_(d) { ++d_.ouvertes_; }
    ~Ouverte()
    {
        if (--d_.ouvertes_ == 0 && !d_.enAttente_.empty())
            d_.planifier();
    }
    Ouverte(const Ouverte&) = delete;
    Ouverte& operator=(const Ouverte&) = delete;

private:
    DialoguesQt& d_;
};

namespace {
// Our boxes are windows of their own, kept above the main window by the window system: a
// child of the main window would be disabled with it, and the main window takes no input
// while the engine waits (a stop the clock started while a question is open, say).
void auDessusDe(QWidget& dialogue, QWidget* fenetre)
{
    dialogue.setWindowModality(Qt::ApplicationModal);
    if (!fenetre)
        return;
    dialogue.winId();
    if (QWindow* w = dialogue.windowHandle(); w && fenetre->window()->windowHandle())
        w->setTransientParent(fenetre->window()->windowHandle());
    if (fenetre->isVisible())
        dialogue.move(fenetre->window()->frameGeometry().center() - dialogue.rect().center());
}

QMessageBox::StandardButton boite(QWidget* parent, QMessageBox::Icon icone, const QString& texte,
                                  QMessageBox::StandardButtons boutons,
                                  QMessageBox::StandardButton parDefaut = QMessageBox::NoButton)
{
    QMessageBox b(icone, kTitre, texte, boutons);
    b.setTextFormat(Qt::PlainText);
    if (parDefaut != QMessageBox::NoButton)
        b.setDefaultButton(parDefaut);
    b.adjustSize();
    auDessusDe(b, parent);
    return QMessageBox::StandardButton(b.exec());
}

QString choisir(QWidget* parent, const QString& titre, const QString& dossierInitial, const QString& filtre,
                QFileDialog::FileMode mode)
{
    QFileDialog d(nullptr, titre, dossierInitial, filtre);
    d.setFileMode(mode);
    if (mode == QFileDialog::Directory)
        d.setOption(QFileDialog::ShowDirsOnly);
    auDessusDe(d, parent);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return d.selectedFiles().constFirst();
}
}

void DialoguesQt::exclamation(const QString& texte)
{
    Ouverte o(*this);
    boite(parent_, QMessageBox::Warning, texte, QMessageBox::Ok);
}

void DialoguesQt::information(const QString& texte)
{
    Ouverte o(*this);
    boite(parent_, QMessageBox::Information, texte, QMessageBox::Ok);
}

bool DialoguesQt::question(const QString& texte)
{
    Ouverte o(*this);
    return boite(parent_, QMessageBox::Question, texte, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

QString DialoguesQt::choisirFichier(const QString& titre, const QString& dossierInitial,
                                    const QString& filtre)
{
    Ouverte o(*this);
    return choisir(parent_, titre, dossierInitial, filtre, QFileDialog::ExistingFile);
}

void DialoguesQt::message(const QString& texte)
{
    Ouverte o(*this);
    boite(parent_, QMessageBox::NoIcon, texte, QMessageBox::Ok);
}

QString DialoguesQt::choisirDossier(const QString& titre, const QString& dossierInitial)
{
    Ouverte o(*this);
    return choisir(parent_, titre, dossierInitial, {}, QFileDialog::Directory);
}

void DialoguesQt::quandLibre(std::function<void()> suite)
{
    if (!suite)
        return;
    enAttente_.push_back(std::move(suite));
    if (ouvertes_ == 0)
        planifier();
}

void DialoguesQt::planifier()
{
    QTimer::singleShot(0, &contexte_, [this] { executerLibres(); });
}

void DialoguesQt::executerLibres()
{
    // A run may open a box (the rest then waits for it to close) or queue another run.
    while (ouvertes_ == 0 && !enAttente_.empty()) {
        auto suite = std::move(enAttente_.front());
        enAttente_.pop_front();
        suite();
    }
}
