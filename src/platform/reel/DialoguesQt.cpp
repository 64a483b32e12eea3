#include "platform/reel/DialoguesQt.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

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
QMessageBox::StandardButton boite(QWidget* parent, QMessageBox::Icon icone, const QString& texte,
                                  QMessageBox::StandardButtons boutons,
                                  QMessageBox::StandardButton parDefaut = QMessageBox::NoButton)
{
    QMessageBox b(icone, kTitre, texte, boutons, parent);
    b.setTextFormat(Qt::PlainText);
    if (parDefaut != QMessageBox::NoButton)
        b.setDefaultButton(parDefaut);
    return QMessageBox::StandardButton(b.exec());
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
    return QFileDialog::getOpenFileName(parent_, titre, dossierInitial, filtre);
}

void DialoguesQt::message(const QString& texte)
{
    Ouverte o(*this);
    boite(parent_, QMessageBox::NoIcon, texte, QMessageBox::Ok);
}

QString DialoguesQt::choisirDossier(const QString& titre, const QString& dossierInitial)
{
    Ouverte o(*this);
    return QFileDialog::getExistingDirectory(parent_, titre, dossierInitial, QFileDialog::ShowDirsOnly);
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
