#pragma once
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class VoletProgrammation;

// The guide pane: its three tabs, "Programmation" (the schedule editor it is given),
// "Guide TV" and "Audience", and the connecting overlay shown while a page is fetched.
class VoletGuide : public QWidget {
    Q_OBJECT
public:
    // Takes the schedule editor as its first tab.
    explicit VoletGuide(VoletProgrammation* programmation, QWidget* parent = nullptr);

    VoletProgrammation& programmation() const { return *programmation_; }
    // 1 to 3.
    int onglet() const;
    // Selects a tab and tells it (ongletChoisi), even when it was already selected.
    void choisirOnglet(int onglet);

    void afficherJours(const QStringList& jours, int index);
    void afficherLignes(const QStringList& lignes, int selection, bool programmer, bool resume);
    // The two buttons for the row the user chose.
    void afficherBoutons(bool programmer, bool resume);
    void afficherFrequence(int index);
    void afficherAudience(const QString& rangs, const QString& parts, const QString& libelles, const QString& heure);
    // The connecting overlay, in the middle of the window and in front of everything.
    void AfficherConnexion(bool visible);

signals:
    void ongletChoisi(int onglet);
    void jourChoisi(int index);
    void ligneChoisie(int index);
    void ligneDoubleCliquee();
    void frequenceChoisie(int index);
    void programmer();
    void resume();
    void actualiserAudience();

private:
    VoletProgrammation* programmation_;
    QTabWidget* onglets_;
    QComboBox* date_;
    QListWidget* liste_;
    QComboBox* frequence_;
    QPushButton* prog_;
    QPushButton* resume_;
    QPlainTextEdit* liste15_[3];
    QLabel* audienceNow_;
    QLabel* connexion_;
    bool parCode_ = false;
};
