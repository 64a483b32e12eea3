#include "shell/FiltreClavier.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

FiltreClavier::FiltreClavier(QWidget& fenetre, std::function<EtatRaccourcis()> etat,
                             std::function<QDateTime()> maintenant, QObject* parent)
    : QObject(parent), fenetre_(fenetre), etat_(std::move(etat)), maintenant_(std::move(maintenant))
{
}

bool FiltreClavier::eventFilter(QObject* objet, QEvent* e)
{
    // The release reaches the window's native window first, then the focused control: only
    // the control's is looked at. Dialogs and pop-ups of their own window are left alone.
    if (e->type() != QEvent::KeyRelease || !objet->isWidgetType()
        || static_cast<QWidget*>(objet)->window() != &fenetre_)
        return false;
    // While the window waits it takes no input: a key is dropped, never pressed later.
    if (!fenetre_.isEnabled())
        return true;
    const auto* k = static_cast<QKeyEvent*>(e);
    ToucheRelachee t;
    t.touche = k->key();
    t.modificateurs = k->modifiers();
    t.codeNatif = k->nativeScanCode();
    t.repetition = k->isAutoRepeat();
    t.heure = maintenant_();
    const ActionClavier a = raccourcis_.Form_KeyUp(t, etat_());
    if (a.bouton != BoutonClavier::Aucun) {
        emit boutonDemande(a);
        return a.consommee;
    }
    // A button the key pressed down (Space) gets its release: it clicks and comes back up,
    // never left drawn pressed.
    if (const auto* b = qobject_cast<QAbstractButton*>(objet); b && b->isDown())
        return false;
    return a.consommee;
}
