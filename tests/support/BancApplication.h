#pragma once
// The real application and main window on the platform doubles, for widget tests.
#include "app/Application.h"
#include "platform/Plateforme.h"
#include "shell/Fond.h"
#include "support/Doubles.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QStringList>
#include <memory>

// A control of the window, found by its name.
inline QPushButton* bouton(const QWidget& fenetre, const char* nom)
{
    return fenetre.findChild<QPushButton*>(QString::fromUtf8(nom));
}

// Shows the window and makes it the active one, so that the keyboard's focus lives in it.
bool activer(QWidget& fenetre);

struct BancApplication : PlateformeDoubles {
    EtatFenetre etat;
    std::unique_ptr<Fond> fond;
    std::unique_ptr<Application> app;

    BancApplication();

    QString programme() const { return dossiers.programmeChemin; }
    void ecrire(const QString& nom, const QByteArray& contenu) const;
    QByteArray lire(const QString& nom) const;
    // A fake player executable on the PATH double.
    QString installerVlc();
    // A playlist the box would serve, with these names (numbers 1, 2, …).
    static QByteArray playlist(const QStringList& noms);
    void servirPlaylist(const QByteArray& texte) { web.pages[adresses.playlist()] = texte; }

    bool demarrer(const QStringList& arguments = {});
    // Lets the side pane's steps run to their end (the window takes no input meanwhile).
    bool attendreForme() const;
};
