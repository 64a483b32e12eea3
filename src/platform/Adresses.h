#pragma once
#include <QString>
#include <QtGlobal>

// Hosts the program talks to. Each is "host[:port]"; the environment variables
// KELMOR_BOX, KELMOR_PLAYER_HOST, KELMOR_GUIDE, KELMOR_AUDIENCE and KELMOR_SITE replace them.
// The settings page is served on portReglages (KELMOR_PORT_REGLAGES replaces it).
struct Adresses {
    QString boitier = "mafreebox.freebox.fr";
    QString lecteurBoitier = "freeplayer.freebox.fr";
    QString guide = "www.free.fr/freebox/tv";
    QString audience = "www.free.fr/freebox/audience";
    QString site = "www.kelmor.fr";
    QString forum = "forum.kelmor.fr";
    quint16 portReglages = 8080;

    static Adresses depuisEnvironnement();
    // KELMOR_PORT_REGLAGES when it is a port number (1 to 65535), else 8080.
    static quint16 portReglagesEnvironnement();

    QString playlist() const { return "http://" + boitier + "/freeboxtv/playlist.m3u"; }
    QString fichierVersion() const { return "http://" + site + "/kelmor.ver"; }
    QString pageTelechargement() const { return "http://" + site + "/telechargement.htm"; }
    QString racineGuide() const { return "http://" + guide + "/"; }
    QString racineAudience() const { return "http://" + audience + "/"; }
    QString racineSite() const { return "http://" + site + "/"; }
    QString pageAide() const { return "http://" + site + "/aide.htm"; }
    QString racineForum() const { return "http://" + forum + "/"; }
};
