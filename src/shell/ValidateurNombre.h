#pragma once
#include "core/Encodage.h"

#include <QValidator>

// A text box's number, as its rule takes it: digits only (a decimal point too for the scale);
// a number too large is refused.
class ValidateurNombre : public QValidator {
public:
    using Regle = Saisie (*)(const QString&);
    ValidateurNombre(Regle regle, QObject* parent) : QValidator(parent), regle_(regle) {}
    State validate(QString& texte, int&) const override;

private:
    Regle regle_;
};
