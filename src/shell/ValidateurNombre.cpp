#include "shell/ValidateurNombre.h"

QValidator::State ValidateurNombre::validate(QString& texte, int&) const
{
    switch (regle_(texte)) {
    case Saisie::Refusee: return Invalid;
    case Saisie::Incomplete: return Intermediate;
    case Saisie::Acceptee: return Acceptable;
    }
    return Invalid;
}
