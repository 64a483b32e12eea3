#pragma once
#include <QDateTime>
#include <QString>

class Application;

// The manual recording: the record and stop-recording buttons and the duration pop-up.
class EnregistrementManuel {
public:
    explicit EnregistrementManuel(Application& app) : app_(app) {}

    void Enregistrer_Click() { Rec_Click(); }
    void Rec_Click();
    void EnregistrerX_Click();
    // A choice of the duration pop-up: 0 closes, 1 to 8 set now + index × 30 minutes,
    // 9 cancels the duration.
    void Duree_Click(int index);

private:
    Application& app_;
};

// The pop-up's text: the time left until `fin` (none when invalid), seen at `maintenant`.
QString TexteDureeRestante(const QDateTime& fin, const QDateTime& maintenant);
