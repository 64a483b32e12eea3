#include "platform/reel/DialoguesQt.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

namespace {
const QString kTitre = QStringLiteral("Kelmor");
}

void DialoguesQt::exclamation(const QString& texte)
{
    QMessageBox::warning(parent_, kTitre, texte, QMessageBox::Ok);
}

void DialoguesQt::information(const QString& texte)
{
    QMessageBox::information(parent_, kTitre, texte, QMessageBox::Ok);
}

bool DialoguesQt::question(const QString& texte)
{
    return QMessageBox::question(parent_, kTitre, texte, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

QString DialoguesQt::choisirFichier(const QString& titre, const QString& dossierInitial,
                                    const QString& filtre)
{
    return QFileDialog::getOpenFileName(parent_, titre, dossierInitial, filtre);
}

void DialoguesQt::message(const QString& texte)
{
    QMessageBox boite(QMessageBox::NoIcon, kTitre, texte, QMessageBox::Ok, parent_);
    boite.exec();
}

QString DialoguesQt::choisirDossier(const QString& titre, const QString& dossierInitial)
{
    return QFileDialog::getExistingDirectory(parent_, titre, dossierInitial, QFileDialog::ShowDirsOnly);
}

void DialoguesQt::quandLibre(std::function<void()> suite)
{
    QTimer::singleShot(0, [suite] { suite(); });
}
