#pragma once
#include "platform/Dialogues.h"

#include <QObject>

#include <deque>
#include <functional>

class QWidget;

// Message boxes and file dialogs of Qt, modal to the main window. Their text comes from
// outside (channel names, file names) and is shown as plain text, never as rich text.
// Every box or dialog opened here is counted, so that quandLibre() knows when none is.
class DialoguesQt : public Dialogues {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void exclamation(const QString& texte) override;
    void information(const QString& texte) override;
    bool question(const QString& texte) override;
    QString choisirFichier(const QString& titre, const QString& dossierInitial,
                           const QString& filtre) override;
    void message(const QString& texte) override;
    QString choisirDossier(const QString& titre, const QString& dossierInitial) override;
    // Queued: runs from the event loop, in the order asked, each one only while no box of
    // ours is open (one opened meanwhile, by an earlier one for instance, makes it wait).
    void quandLibre(std::function<void()> suite) override;

    int ouvertes() const { return ouvertes_; }

private:
    class Ouverte;
    void planifier();
    void executerLibres();

    QWidget* parent_ = nullptr;
    int ouvertes_ = 0;
    std::deque<std::function<void()>> enAttente_;
    QObject contexte_;  // the queued runs die with this object
};
