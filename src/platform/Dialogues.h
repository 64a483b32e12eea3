#pragma once
#include "platform/Suite.h"

#include <QString>

#include <functional>

// Message boxes and the open-file and folder dialogs, titled "Kelmor". Each is opened and the
// call returns: nothing waits for the user. An answer comes back through its Suite.
// Lines of a message are joined with "\n" (RetourLigne).
class Dialogues {
public:
    virtual ~Dialogues() = default;
    virtual void exclamation(const QString& texte) = 0;
    virtual void information(const QString& texte) = 0;
    // Yes/No question; `reponse` gets true only for Yes. A box dropped unanswered (the close on
    // a stop signal) gives no answer at all.
    virtual void question(const QString& texte, Suite<bool> reponse) = 0;
    // Open-file dialog; `choix` gets "" when cancelled.
    virtual void choisirFichier(const QString& titre, const QString& dossierInitial, const QString& filtre,
                                Suite<QString> choix) = 0;
    // Plain box, OK only and no icon (help texts).
    virtual void message(const QString& texte) { information(texte); }
    // Folder dialog opened on dossierInitial; `choix` gets "" when cancelled.
    virtual void choisirDossier(const QString& titre, const QString& dossierInitial, Suite<QString> choix)
    {
        (void)titre;
        (void)dossierInitial;
        choix(QString());
    }
    // Runs `suite` once no box or dialog of ours is open: what a timer or a reply has to say
    // never opens over a box the user has not answered yet, and never holds its caller.
    virtual void quandLibre(std::function<void()> suite) = 0;
    // The program ends without anybody to answer: the open boxes go unanswered, and from now
    // on what would be shown goes to the standard error output (questions get no answer).
    virtual void abandonner() = 0;
};
