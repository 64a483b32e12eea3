#include "support/BancApplication.h"
#include "support/Attente.h"

#include <QDir>
#include <QTest>

BancApplication::BancApplication()
{
    fond = std::make_unique<Fond>(etat);
    app = std::make_unique<Application>(plateforme, *fond);
}


void BancApplication::ecrire(const QString& nom, const QByteArray& contenu) const
{
    QFile f(programme() + nom);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(contenu);
}

QByteArray BancApplication::lire(const QString& nom) const
{
    QFile f(programme() + nom);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString BancApplication::installerVlc()
{
    const QString bin = dossiers.racine.path() + "/bin/";
    QDir().mkpath(bin);
    QFile f(bin + "vlc");
    f.open(QIODevice::WriteOnly);
    f.write("#!/bin/sh\n");
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeUser | QFileDevice::ExeOwner);
    dossiers.path["vlc"] = bin + "vlc";
    return bin + "vlc";
}

QByteArray BancApplication::playlist(const QStringList& noms)
{
    QByteArray t = "#EXTM3U\n";
    for (int i = 0; i < noms.size(); ++i)
        t += "#EXTINF:0," + QByteArray::number(i + 1) + " - " + noms[i].toUtf8() + "\nrtsp://box/" +
             QByteArray::number(i + 1) + "\n";
    return t;
}

bool BancApplication::demarrer(const QStringList& arguments)
{
    // The doubles answer at once: start-up is over when the call returns.
    return app->Form_Load(QStringList{"/usr/bin/kelmor"} + arguments) == true;
}

bool BancApplication::attendreForme() const
{
    return attendreQue([this] { return !fond->animationEnCours(); }, 5000);
}

bool activer(QWidget& fenetre)
{
    fenetre.show();
    fenetre.activateWindow();
    return QTest::qWaitForWindowActive(&fenetre, 5000);
}
