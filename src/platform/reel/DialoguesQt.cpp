#include "platform/reel/DialoguesQt.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {
const QString kTitre = QStringLiteral("Kelmor");

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

QMessageBox* boite(QMessageBox::Icon icone, const QString& texte, QMessageBox::StandardButtons boutons,
                   QMessageBox::StandardButton parDefaut = QMessageBox::NoButton)
{
    auto* b = new QMessageBox(icone, kTitre, texte, boutons);
    b->setTextFormat(Qt::PlainText);
    if (parDefaut != QMessageBox::NoButton)
        b->setDefaultButton(parDefaut);
    b->adjustSize();
    return b;
}

QFileDialog* dialogueFichier(const QString& titre, const QString& dossierInitial, const QString& filtre,
                             QFileDialog::FileMode mode)
{
    auto* d = new QFileDialog(nullptr, titre, dossierInitial, filtre);
    d->setFileMode(mode);
    if (mode == QFileDialog::Directory)
        d->setOption(QFileDialog::ShowDirsOnly);
    return d;
}

QString choisi(QDialog* d, int resultat)
{
    auto* f = static_cast<QFileDialog*>(d);
    if (resultat != QDialog::Accepted || f->selectedFiles().isEmpty())
        return {};
    return f->selectedFiles().constFirst();
}
}  // namespace

void DialoguesQt::ouvrir(QDialog* d, std::function<void(int)> fini)
{
    ++ouvertes_;
    boites_ << d;
    d->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(d, &QDialog::finished, &contexte_, [this, d, fini = std::move(fini)](int resultat) {
        boites_.removeAll(d);
        if (fini)
            fini(resultat);
        // The last one to close lets the waiting runs go.
        if (--ouvertes_ == 0 && !enAttente_.empty())
            planifier();
    });
    auDessusDe(*d, parent_);
    // Application-modal as the boxes have always been (open() would make it window-modal),
    // and shown without a loop of its own: the answer comes from `finished`.
    d->show();
}

bool DialoguesQt::versErreurStandard(const char* genre, const QString& texte)
{
    if (!abandonne_)
        return false;
    std::fprintf(stderr, "Kelmor (%s) : %s\n", genre, texte.toLocal8Bit().constData());
    std::fflush(stderr);
    return true;
}

void DialoguesQt::exclamation(const QString& texte)
{
    if (!versErreurStandard("erreur", texte))
        ouvrir(boite(QMessageBox::Warning, texte, QMessageBox::Ok), {});
}

void DialoguesQt::information(const QString& texte)
{
    if (!versErreurStandard("information", texte))
        ouvrir(boite(QMessageBox::Information, texte, QMessageBox::Ok), {});
}

void DialoguesQt::message(const QString& texte)
{
    if (!versErreurStandard("message", texte))
        ouvrir(boite(QMessageBox::NoIcon, texte, QMessageBox::Ok), {});
}

void DialoguesQt::question(const QString& texte, Suite<bool> reponse)
{
    if (versErreurStandard("question sans réponse", texte))
        return;
    QMessageBox* b = boite(QMessageBox::Question, texte, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    ouvrir(b, [b, reponse = std::move(reponse)](int) {
        reponse(b->standardButton(b->clickedButton()) == QMessageBox::Yes);
    });
}

void DialoguesQt::choisirFichier(const QString& titre, const QString& dossierInitial, const QString& filtre,
                                 Suite<QString> choix)
{
    if (versErreurStandard("fichier non choisi", titre))
        return;
    QFileDialog* d = dialogueFichier(titre, dossierInitial, filtre, QFileDialog::ExistingFile);
    ouvrir(d, [d, choix = std::move(choix)](int r) { choix(choisi(d, r)); });
}

void DialoguesQt::choisirDossier(const QString& titre, const QString& dossierInitial, Suite<QString> choix)
{
    if (versErreurStandard("dossier non choisi", titre))
        return;
    QFileDialog* d = dialogueFichier(titre, dossierInitial, {}, QFileDialog::Directory);
    ouvrir(d, [d, choix = std::move(choix)](int r) { choix(choisi(d, r)); });
}

void DialoguesQt::abandonner()
{
    abandonne_ = true;
    // Their answers are dropped: nobody gave them.
    const QList<QPointer<QDialog>> boites = boites_;
    for (const QPointer<QDialog>& d : boites) {
        if (!d)
            continue;
        if (auto* b = qobject_cast<QMessageBox*>(d.data()))
            versErreurStandard("boîte fermée sans réponse", b->text());
        QObject::disconnect(d, &QDialog::finished, &contexte_, nullptr);
        d->close();
    }
    boites_.clear();
    ouvertes_ = 0;
    if (!enAttente_.empty())
        planifier();
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
