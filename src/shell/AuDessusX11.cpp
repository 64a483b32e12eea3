#include "shell/AuDessusX11.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <vector>

namespace {

xcb_connection_t* connexionX()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atome(xcb_connection_t* c, const char* nom)
{
    auto* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(qstrlen(nom)), nom), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return a;
}

// The states the window will be mapped with, ABOVE added or taken out; the others kept.
void ecrireEtat(xcb_connection_t* c, xcb_window_t fenetre, xcb_atom_t etat, xcb_atom_t dessus, bool auDessus)
{
    std::vector<xcb_atom_t> etats;
    auto* r = xcb_get_property_reply(c, xcb_get_property(c, 0, fenetre, etat, XCB_ATOM_ATOM, 0, 1024), nullptr);
    if (r && r->format == 32 && r->type == XCB_ATOM_ATOM) {
        const auto* a = static_cast<const xcb_atom_t*>(xcb_get_property_value(r));
        for (int i = 0; i < xcb_get_property_value_length(r) / 4; ++i)
            if (a[i] != dessus)
                etats.push_back(a[i]);
    }
    std::free(r);
    if (auDessus)
        etats.push_back(dessus);
    if (etats.empty())
        xcb_delete_property(c, fenetre, etat);
    else
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, fenetre, etat, XCB_ATOM_ATOM, 32, uint32_t(etats.size()),
                            etats.data());
}

}  // namespace

bool surX11()
{
    return connexionX() != nullptr;
}

void definirAuDessusX11(QWidget& w, bool auDessus, bool affichee)
{
    xcb_connection_t* c = connexionX();
    QWindow* fenetreQt = w.windowHandle();
    if (!c || !fenetreQt)
        return;
    const xcb_window_t fenetre = xcb_window_t(fenetreQt->winId());
    const xcb_atom_t etat = atome(c, "_NET_WM_STATE");
    const xcb_atom_t dessus = atome(c, "_NET_WM_STATE_ABOVE");
    if (!fenetre || etat == XCB_ATOM_NONE || dessus == XCB_ATOM_NONE)
        return;
    if (!affichee) {
        // The window manager reads it when the window is mapped.
        ecrireEtat(c, fenetre, etat, dessus, auDessus);
        xcb_flush(c);
        return;
    }
    // A managed window's state belongs to the window manager: asked by a message to the root.
    xcb_client_message_event_t m{};
    m.response_type = XCB_CLIENT_MESSAGE;
    m.format = 32;
    m.window = fenetre;
    m.type = etat;
    m.data.data32[0] = auDessus ? 1 : 0;  // _NET_WM_STATE_ADD, _NET_WM_STATE_REMOVE
    m.data.data32[1] = dessus;
    m.data.data32[3] = 1;  // asked by an application
    const xcb_window_t racine = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_send_event(c, 0, racine, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&m));
    xcb_flush(c);
}
