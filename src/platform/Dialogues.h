#pragma once
#include <QString>

#include <functional>

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
    // Runs `suite` once no box or dialog of ours is open: what a timer or a reply has to say
    // never opens over a box the user has not answered yet, and never holds its caller.
    virtual void quandLibre(std::function<void()> suite) = 0;
};
