#include "shell/Raccourcis.h"

namespace {
constexpr int kF1 = 112;
constexpr int kPaveChiffre0 = 96;
constexpr int kPaveFois = 106;
constexpr int kPavePlus = 107;
constexpr int kPaveMoins = 109;
constexpr int kPaveDecimale = 110;
constexpr int kPaveDivise = 111;
constexpr int kChiffre0 = 48;

// X11 keycodes of the main row's "1" to "9" then "0".
constexpr quint32 kCodeNatif1 = 10;
constexpr quint32 kCodeNatif0 = 19;

bool estChiffre(int code) { return code >= kPaveChiffre0 && code <= kPaveChiffre0 + 9; }

QDateTime alaSeconde(const QDateTime& t)
{
    QDateTime s = t;
    s.setTime(QTime(t.time().hour(), t.time().minute(), t.time().second()));
    return s;
}
}  // namespace

const char* nomBouton(BoutonClavier b)
{
    switch (b) {
    case BoutonClavier::Aucun: return "";
    case BoutonClavier::ChaineM: return "ChaîneM";
    case BoutonClavier::ChaineP: return "ChaîneP";
    case BoutonClavier::TopR: return "TopR";
    case BoutonClavier::Full: return "Full";
    case BoutonClavier::Full2: return "Full2";
    case BoutonClavier::Play: return "Play";
    case BoutonClavier::StopAll: return "StopAll";
    case BoutonClavier::Pause: return "Pause";
    case BoutonClavier::Rec: return "Rec";
    case BoutonClavier::Snap: return "Snap";
    case BoutonClavier::VolumeM: return "VolumeM";
    case BoutonClavier::VolumeP: return "VolumeP";
    case BoutonClavier::Volume2: return "Volume2";
    case BoutonClavier::Mute: return "Mute";
    case BoutonClavier::Mute2: return "Mute2";
    case BoutonClavier::FavorisM: return "FavorisM";
    case BoutonClavier::FavorisP: return "FavorisP";
    case BoutonClavier::FavorisListe: return "FavorisListe";
    case BoutonClavier::Favori: return "Favori";
    }
    return "";
}

int codeTouche(int touche, Qt::KeyboardModifiers modificateurs, quint32 codeNatif)
{
    if (touche >= Qt::Key_F1 && touche <= Qt::Key_F12)
        return kF1 + (touche - Qt::Key_F1);
    if (modificateurs.testFlag(Qt::KeypadModifier)) {
        if (touche >= Qt::Key_0 && touche <= Qt::Key_9)
            return kPaveChiffre0 + (touche - Qt::Key_0);
        switch (touche) {
        case Qt::Key_Asterisk: return kPaveFois;
        case Qt::Key_Plus: return kPavePlus;
        case Qt::Key_Minus: return kPaveMoins;
        case Qt::Key_Period:
        case Qt::Key_Comma: return kPaveDecimale;
        case Qt::Key_Slash: return kPaveDivise;
        default: return 0;
        }
    }
    if (codeNatif >= kCodeNatif1 && codeNatif <= kCodeNatif0)
        return codeNatif == kCodeNatif0 ? kChiffre0 : kChiffre0 + int(codeNatif - kCodeNatif1) + 1;
    if (touche >= Qt::Key_0 && touche <= Qt::Key_9)
        return kChiffre0 + (touche - Qt::Key_0);
    return 0;
}

ActionClavier Raccourcis::Form_KeyUp(const ToucheRelachee& t, const EtatRaccourcis& etat)
{
    if (!etat.CLAV || etat.optionsOuvertes || etat.guideOuvert)
        return {};
    ActionClavier a;
    a.consommee = true;
    // A held key: only its last release counts, and the sequence is left as it stands.
    if (t.repetition)
        return a;

    int code = codeTouche(t.touche, t.modificateurs, t.codeNatif);
    if (code >= kChiffre0 && code <= kChiffre0 + 9)
        code += kPaveChiffre0 - kChiffre0;

    auto presser = [&a](BoutonClavier b, int valeur = 0) {
        a.bouton = b;
        a.valeur = valeur;
    };
    switch (code) {
    case kF1:
    case kPaveMoins:
        if (etat.chaineMActive)
            presser(BoutonClavier::ChaineM);
        break;
    case kF1 + 1:
    case kPavePlus:
        if (etat.chainePActive)
            presser(BoutonClavier::ChaineP);
        break;
    case kF1 + 2: presser(BoutonClavier::TopR); break;
    case kF1 + 3: presser(etat.vueDirecte ? BoutonClavier::Full2 : BoutonClavier::Full); break;
    case kF1 + 4: presser(BoutonClavier::Play); break;
    case kF1 + 5:
    case kPaveDecimale: presser(BoutonClavier::StopAll); break;
    case kF1 + 6: presser(BoutonClavier::Pause); break;
    case kF1 + 7: presser(BoutonClavier::Rec); break;
    case kF1 + 8: presser(BoutonClavier::Snap); break;
    case kF1 + 9:
        if (etat.vueDirecte)
            presser(BoutonClavier::Volume2, etat.volume2 < 10 ? 0 : etat.volume2 - 10);
        else
            presser(BoutonClavier::VolumeM);
        break;
    case kF1 + 10:
        if (etat.vueDirecte)
            presser(BoutonClavier::Volume2, etat.volume2 <= 190 ? etat.volume2 + 10 : 200);
        else
            presser(BoutonClavier::VolumeP);
        break;
    case kF1 + 11: presser(etat.vueDirecte ? BoutonClavier::Mute2 : BoutonClavier::Mute); break;
    case kPaveDivise: presser(BoutonClavier::FavorisM); break;
    case kPaveFois: presser(BoutonClavier::FavorisP); break;
    default:
        if (estChiffre(code)) {
            const int d = code - kPaveChiffre0;
            const QDateTime maintenant = alaSeconde(t.heure);
            if (!estChiffre(derniereTouche_)) {
                presser(BoutonClavier::FavorisListe, d);
                heureTouche_ = maintenant;
            } else {
                // Whole seconds of the clock; a clock set back never completes a sequence.
                const qint64 ecart = heureTouche_.secsTo(maintenant);
                if (ecart >= 0 && ecart <= 1 && d != 0 && d != 9)
                    presser(BoutonClavier::Favori, d);
                code = 0;
            }
        }
        break;
    }
    derniereTouche_ = code;
    return a;
}
