#pragma once
#include "platform/Dialogues.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <deque>
#include <functional>

class QDialog;
class QWidget;

// Message boxes and file dialogs of Qt, modal to the whole application and kept above the
// main window. Each is shown and the call returns; its answer comes from the event loop.
// Their text comes from outside (channel names, file names) and is shown as plain text,
// never as rich text. Every box or dialog open is counted, so that quandLibre() knows when
// none is.
class DialoguesQt : public Dialogues {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void exclamation(const QString& texte) override;
    void information(const QString& texte) override;
    void question(const QString& texte, Suite<bool> reponse) override;
    void choisirFichier(const QString& titre, const QString& dossierInitial, const QString& filtre,
                        Suite<QString> choix) override;
    void message(const QString& texte) override;
    void choisirDossier(const QString& titre, const QString& dossierInitial, Suite<QString> choix) override;
    // Queued: runs from the event loop, in the order asked, each one only while no box of
    // ours is open (one opened meanwhile, by an earlier one for instance, makes it wait).
    void quandLibre(std::function<void()> suite) override;
    void abandonner() override;

    int ouvertes() const { return ouvertes_; }
    bool abandonne() const { return abandonne_; }

private:
    // Shows `d`, counted until it is closed; `fini` gets its result then.
    void ouvrir(QDialog* d, std::function<void(int)> fini);
    bool versErreurStandard(const char* genre, const QString& texte);
    void planifier();
    void executerLibres();

    QWidget* parent_ = nullptr;
    int ouvertes_ = 0;
    bool abandonne_ = false;
    QList<QPointer<QDialog>> boites_;
    std::deque<std::function<void()>> enAttente_;
    QObject contexte_;  // the queued runs and the answers die with this object
};
