#include "platform/reel/FenetreVideoX11.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <algorithm>

namespace {

xcb_connection_t* connexionX()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

const xcb_screen_t* ecranX(xcb_connection_t* c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data;
}

}  // namespace

void fondNoirX11(WId fenetre)
{
    xcb_connection_t* c = connexionX();
    if (!c || !fenetre)
        return;
    const xcb_screen_t* ecran = ecranX(c);
    const uint32_t noir = ecran ? ecran->black_pixel : 0;
    xcb_change_window_attributes(c, xcb_window_t(fenetre), XCB_CW_BACK_PIXEL, &noir);
    xcb_clear_area(c, 0, xcb_window_t(fenetre), 0, 0, 0, 0);
    xcb_flush(c);
}

quint32 creerFenetreVideo(WId parent, QSize taille)
{
    xcb_connection_t* c = connexionX();
    if (!c || !parent)
        return 0;
    const xcb_screen_t* ecran = ecranX(c);
    const uint32_t noir = ecran ? ecran->black_pixel : 0;
    const xcb_window_t fenetre = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, fenetre, xcb_window_t(parent), 0, 0,
                      uint16_t(std::clamp(taille.width(), 1, 32767)), uint16_t(std::clamp(taille.height(), 1, 32767)),
                      0, XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXEL, &noir);
    xcb_map_window(c, fenetre);
    xcb_flush(c);
    return fenetre;
}

void dimensionnerFenetreVideo(quint32 fenetre, QSize taille)
{
    xcb_connection_t* c = connexionX();
    if (!c || !fenetre)
        return;
    const uint32_t valeurs[] = {uint32_t(std::clamp(taille.width(), 1, 32767)),
                                uint32_t(std::clamp(taille.height(), 1, 32767))};
    xcb_configure_window(c, fenetre, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, valeurs);
    xcb_flush(c);
}

// Under the first screen's root: the program runs on one X screen.
void eloignerFenetreVideo(quint32 fenetre)
{
    xcb_connection_t* c = connexionX();
    const xcb_screen_t* ecran = c ? ecranX(c) : nullptr;
    if (!ecran || !fenetre)
        return;
    xcb_unmap_window(c, fenetre);
    xcb_reparent_window(c, fenetre, ecran->root, 0, 0);
    xcb_flush(c);
}

void detruireFenetreVideo(quint32 fenetre)
{
    xcb_connection_t* c = connexionX();
    if (!c || !fenetre)
        return;
    xcb_destroy_window(c, fenetre);
    xcb_flush(c);
}
