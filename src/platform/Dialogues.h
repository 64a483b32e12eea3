#pragma once
#include <QString>

// Modal message boxes and the open-file dialog, titled "Kelmor".
// Lines of a message are joined with "\n" (RetourLigne).
class Dialogues {
public:
    virtual ~Dialogues() = default;
    virtual void exclamation(const QString& texte) = 0;
    virtual void information(const QString& texte) = 0;
    // Yes/No question; true only for Yes.
    virtual bool question(const QString& texte) = 0;
    // Open-file dialog; "" when cancelled.
    virtual QString choisirFichier(const QString& titre, const QString& dossierInitial,
                                   const QString& filtre) = 0;
    // Plain box, OK only and no icon (help texts).
    virtual void message(const QString& texte) { information(texte); }
    // Folder dialog opened on dossierInitial; "" when cancelled.
    virtual QString choisirDossier(const QString& titre, const QString& dossierInitial)
    {
        (void)titre;
        (void)dossierInitial;
        return {};
    }
};
