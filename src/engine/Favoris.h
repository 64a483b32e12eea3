#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

struct Plateforme;
struct Session;
class EtatFenetre;
class Moteur;
class Sauvegarde;

// The favourite buttons' controller: the group shown, the clicks on the favourites and the
// right-button swap. The table itself is the session's (settings file); the window shows
// what the signals tell.
class Favoris : public QObject {
    Q_OBJECT
public:
    // The window's state tells at each click whether the guide pane shows its "Guide TV" tab:
    // a favourite then only selects its channel, the guide follows the selection.
    Favoris(Session& session, Moteur& moteur, Plateforme& plateforme, const EtatFenetre& fenetre,
            Sauvegarde& sauvegarde);

    int groupe() const { return groupe_; }
    // The channels of the group's eight slots as the buttons show them ("" = empty).
    QStringList nomsGroupe() const;

    // Tells the window the ten group names (start-up, or after they were renamed).
    void afficherGroupes();
    // Selects group g (0 to 9) and shows it.
    void selectionnerGroupe(int g);
    // Shows the current group on the eight buttons.
    void FavorisListe_Click();
    void FavorisM_Click();
    void FavorisP_Click();
    // 0: watch the selected channel; 1 to 8: show favourite Index; -1 to -8: watch favourite -Index.
    void Favori_Click(int Index);
    // The right button went down on button Index: a swap starts there.
    void Favori_MouseDown(int Index);
    // The right-button drag ended on button Index (-1: anywhere else).
    void Favori_DragDrop(int Index);

signals:
    void groupesNommes(const QStringList& noms);
    // Group g is shown; `noms`: the eight slots' channels ("" = empty slot).
    void groupeAffiche(int g, const QStringList& noms);
    // Play_Click: watch the selected channel.
    void regarderDemande();
    // Show the selected channel, as a double-click on the channel list does.
    void afficherDemande();
    // Yes to the empty-slot question: open the favourites editor on slot `emplacement`
    // of the current group.
    void definitionDemandee(int emplacement);

private:
    Session& session_;
    Moteur& moteur_;
    Plateforme& plateforme_;
    int groupe_ = 0;
    int source_ = -1;  // button where the running right-button drag started; -1 = none
    const EtatFenetre& fenetre_;
    Sauvegarde& sauvegarde_;
};
