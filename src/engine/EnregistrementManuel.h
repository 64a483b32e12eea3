#pragma once
#include <QObject>
#include <QString>

#include <optional>

class Moteur;
struct Plateforme;
struct Session;

// The manual recording: the record and stop-recording buttons and the duration pop-up.
class EnregistrementManuel : public QObject {
    Q_OBJECT
public:
    EnregistrementManuel(Session& session, Moteur& moteur, Plateforme& plateforme)
        : session_(session), moteur_(moteur), plateforme_(plateforme)
    {
    }

    void Enregistrer_Click() { Rec_Click(); }
    void Rec_Click();
    void EnregistrerX_Click();
    // The compact row's record button: records, or stops the manual recording that runs.
    void Rec2_Click();
    // A choice of the duration pop-up: 0 closes, 1 to 8 set now + index × 30 minutes,
    // 9 cancels the duration.
    void Duree_Click(int index);

signals:
    // The duration pop-up opens (with its text and whether the cancel choice is enabled)
    // or closes.
    void dureeAffichee(bool visible, const QString& texte, bool annulerActif);

private:
    // `confirme`: the user already said Yes to what would be broken off.
    void enregistrer(bool confirme);

    Session& session_;
    Moteur& moteur_;
    Plateforme& plateforme_;
};

// The pop-up's text: the time left (ms, negative once passed); none when no duration is set.
QString TexteDureeRestante(std::optional<qint64> resteMs);
