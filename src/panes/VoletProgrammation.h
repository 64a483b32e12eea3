#pragma once
#include "engine/ProgListe.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimeEdit;

// The programming tab: the schedule editor, the schedule list and its buttons, the
// free-space gauge and the automatic shutdown.
class VoletProgrammation : public QWidget {
    Q_OBJECT
public:
    explicit VoletProgrammation(QWidget* parent = nullptr);

    ValeursEditeur valeurs() const;
    void definirValeurs(const ValeursEditeur& v);
    void definirChaine(const QString& nom);
    void afficherListe(const QStringList& lignes, int selection, const BoutonsProgramme& boutons);
    void afficherEspaceLibre(const QString& texte, double fraction);
    // The shutdown box: disabled while a program runs after each scheduled recording.
    void activerExtinction(bool actif);
    void afficherExtinctionOFF(bool visible);

signals:
    void ajouter();
    void stopper();
    void modifier();
    void supprimer();
    void toutSupprimer();
    void nettoyer();
    void ligneChoisie(int index);
    void extinctionChangee(bool cochee);
    void annulerExtinction();

private:
    QDateEdit* date_;
    QTimeEdit* debut_;
    QTimeEdit* fin_;
    QLabel* chaine_;
    QComboBox* frequence_;
    QListWidget* liste_;
    QLabel* espace_;
    QProgressBar* jauge_;
    QCheckBox* extinction_;
    QPushButton* extinctionOff_;
    bool parCode_ = false;
};
