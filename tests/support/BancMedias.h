#pragma once
// The real window on the platform doubles, with three channels and two favourites, for the
// media pane's widget tests.
#include "engine/Medias.h"
#include "panes/VoletAfficher.h"
#include "support/BancApplication.h"
#include "support/ControlesAfficher.h"

#include <QFile>
#include <QListWidget>
#include <QTabBar>
#include <gtest/gtest.h>

struct BancMedias : BancApplication {
    explicit BancMedias(const QByteArray& ini = {})
    {
        installerVlc();
        ecrire("Kelmor.cfg", playlist({"TF1", "France 2", "M6"}));
        ecrire("Kelmor.ini", "FA01=M6\nFA03=TF1\n" + ini);
        EXPECT_TRUE(demarrer());
        dialogues.messages.clear();
        fond->show();
    }
    Medias& m() { return app->parties().medias; }
    VueDirecte& d() { return app->parties().medias.vueDirecte(); }
    // A double-click on the selected channel opens the pane; its fold takes a few steps.
    void ouvrir()
    {
        m().Chaines_DblClick();
        EXPECT_TRUE(attendreForme());
    }
    VoletAfficher& v() { return fond->afficher(); }
    ControlesAfficher c() { return ControlesAfficher(fond->afficher()); }
    QString dossier() const { return app->parties().session.DossierEnregistrement; }
    void fichier(const QString& nom) const
    {
        QFile f(dossier() + nom);
        f.open(QIODevice::WriteOnly);
        f.write("x");
    }
    void onglet(OngletAfficher o) { c().AfficherOnglets->setCurrentIndex(int(o) - 1); }
    QStringList liste() const
    {
        QStringList noms;
        const QListWidget* liste = ControlesAfficher(fond->afficher()).AfficherListe;
        for (int i = 0; i < liste->count(); ++i)
            noms << liste->item(i)->text();
        return noms;
    }
    bool attente() const { return !ControlesAfficher(fond->afficher()).Waiting->isHidden(); }
    bool gras(const char* nom) const { return bouton(*fond, nom)->font().bold(); }
};
