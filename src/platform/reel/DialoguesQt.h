#pragma once
#include "platform/Dialogues.h"

class QWidget;

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
    void quandLibre(std::function<void()> suite) override;

private:
    QWidget* parent_ = nullptr;
};
