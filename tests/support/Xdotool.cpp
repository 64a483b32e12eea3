#include "support/Xdotool.h"
#include "support/Attente.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryFile>

#include <xcb/xcb.h>

#include <cstdlib>

bool xdotool(const QStringList& args, QString* sortie)
{
    QProcess p;
    p.start("xdotool", args);
    const bool ok = p.waitForStarted(5000) && attendreFin(p, 5000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (sortie)
        *sortie = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    return ok;
}

QRect geometrieX(quintptr fenetre)
{
    QString sortie;
    if (!xdotool({"getwindowgeometry", "--shell", QString::number(fenetre)}, &sortie))
        return {};
    int x = 0, y = 0, l = 0, h = 0;
    for (const QString& ligne : sortie.split('\n')) {
        const QString cle = ligne.section('=', 0, 0), valeur = ligne.section('=', 1);
        if (cle == "X")
            x = valeur.toInt();
        else if (cle == "Y")
            y = valeur.toInt();
        else if (cle == "WIDTH")
            l = valeur.toInt();
        else if (cle == "HEIGHT")
            h = valeur.toInt();
    }
    return {x, y, l, h};
}

quintptr fenetreActive()
{
    QString sortie;
    if (!xdotool({"getactivewindow"}, &sortie))
        return 0;
    return sortie.toULongLong();
}

namespace {
xcb_connection_t* connexionX()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atome(xcb_connection_t* c, const QByteArray& nom)
{
    auto* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(nom.size()), nom.constData()), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return a;
}
}  // namespace

EtatFenetreX etatFenetreX(quint32 fenetre)
{
    EtatFenetreX e;
    xcb_connection_t* c = connexionX();
    if (!c || !fenetre)
        return e;
    xcb_generic_error_t* erreur = nullptr;
    auto* attributs = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, fenetre), &erreur);
    std::free(erreur);
    erreur = nullptr;
    auto* arbre = xcb_query_tree_reply(c, xcb_query_tree(c, fenetre), &erreur);
    std::free(erreur);
    if (attributs && arbre) {
        e.existe = true;
        e.affichee = attributs->map_state == XCB_MAP_STATE_VIEWABLE;
        e.parent = arbre->parent;
    }
    std::free(attributs);
    std::free(arbre);
    return e;
}

QStringList etatsNetWm(quint32 fenetre)
{
    QStringList noms;
    xcb_connection_t* c = connexionX();
    if (!c || !fenetre)
        return noms;
    auto* r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, fenetre, atome(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 1024), nullptr);
    if (r && r->format == 32) {
        const auto* a = static_cast<const xcb_atom_t*>(xcb_get_property_value(r));
        for (int i = 0; i < xcb_get_property_value_length(r) / 4; ++i) {
            auto* nom = xcb_get_atom_name_reply(c, xcb_get_atom_name(c, a[i]), nullptr);
            if (nom)
                noms << QString::fromLatin1(xcb_get_atom_name_name(nom), xcb_get_atom_name_name_length(nom));
            std::free(nom);
        }
    }
    std::free(r);
    return noms;
}

bool gestionnaireAnnonce()
{
    xcb_connection_t* c = connexionX();
    if (!c)
        return false;
    const xcb_window_t racine = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    auto* r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, racine, atome(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 0, 1), nullptr);
    const bool annonce = r && xcb_get_property_value_length(r) == 4;
    std::free(r);
    return annonce;
}

GestionnaireFenetres::GestionnaireFenetres()
{
    // A window mapped while openbox still starts may be framed and never shown: openbox says
    // when it is done by running a command of ours.
    QTemporaryFile f(QDir::tempPath() + "/kelmor-openbox-XXXXXX");
    f.open();
    pret_ = f.fileName() + "-pret";
    processus_.start("openbox", {"--sm-disable", "--startup", "touch " + pret_});
}

GestionnaireFenetres::~GestionnaireFenetres()
{
    QFile::remove(pret_);
    processus_.terminate();
    if (!processus_.waitForFinished(3000))
        processus_.kill();
    processus_.waitForFinished(1000);
}

bool GestionnaireFenetres::demarre()
{
    return processus_.waitForStarted(5000) && attendreQue(gestionnaireAnnonce, 10000)
           && attendreQue([this] { return QFile::exists(pret_); }, 10000);
}
