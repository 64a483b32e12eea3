#!/usr/bin/env python3
"""Simulated set-top box on loopback for the tests and the demo.

Serves the channel playlist, the version file, endless MPEG-TS streams made
by ffmpeg from test sources, a TV guide site (/guide/: day list, day pages,
summaries) and an audience feed (/audience/audience15.xml); /_control/...
changes its answers at run time (/_control/streams?mode=stalled keeps the stream
connections open and sends nothing).
"""
import argparse
import datetime
import html
import os
import re
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import parse_qs, urlsplit

NOMS = ["France 2", "Télé Bleue", "Ciné Été", "Chaîne de démonstration numéro quatre"]
NUMEROS = [2, 3, 5, 201]
VERSION = "Version 1.4"
DUREE_MEDIA = 30  # seconds in the generated file
MUXRATE = 600000  # constant TS bit rate, so bytes map to time exactly
TS = 188
HORLOGE_MAX = 1 << 33  # PTS, DTS and PCR base wrap at 33 bits
MODES = {"normal", "changed", "html", "empty", "silent", "404", "slow"}


class Etat:
    def __init__(self, canaux):
        self.canaux = canaux
        self.verrou = threading.Lock()
        self.arret = threading.Event()
        self.media_pret = threading.Event()
        self.media = None
        self.debit = MUXRATE / 8
        self.ffmpeg = None
        self.reset()

    def reset(self):
        with self.verrou:
            self.mode = "normal"
            self.version = VERSION
            self.flux_suspendus = False

    def chaines(self, port, changee):
        liste = []
        for i in range(self.canaux):
            num = NUMEROS[i] if i < len(NUMEROS) else 300 + i
            nom = NOMS[i] if i < len(NOMS) else "Chaîne %d" % num
            flux = str(num)
            if changee and i == 1:
                flux = "%db" % num  # a moved stream address
            liste.append((num, nom, "http://127.0.0.1:%d/stream/%s.ts" % (port, flux)))
        if changee:
            liste.append((7, "Nouvelle Chaîne", "http://127.0.0.1:%d/stream/7.ts" % port))
        return liste

    def playlist(self, port, changee):
        lignes = ["#EXTM3U"]
        for num, nom, adresse in self.chaines(port, changee):
            lignes.append("#EXTINF:0,%d - %s" % (num, nom))
            lignes.append(adresse)
        return ("\n".join(lignes) + "\n").encode("utf-8")


# The guide knows these channels (box numbers); any other gets a page without programmes.
PROGRAMMES = {
    1: ["Le Journal du matin", "T&eacute;l&eacute;achat", "Le Journal de 13 heures", "Feuilleton",
        "Jeu : Questions pour un as", "Le Journal", "Film : Le Grand D&eacute;part",
        "Magazine &amp; d&eacute;bat", "Nuit blanche"],
    2: ["Bonjour la France", "Dessins anim&eacute;s", "Le Journal de 13 heures", "Les Experts<br>Episode %(jour)d",
        "<b>Jeu</b> : Des chiffres et des lettres", "Le Journal", "Les Experts<br>Episode 12",
        "Faites entrer l'accus&eacute;", "Journal de la nuit"],
    3: ["Matinale bleue", "Documentaire : L'&Icirc;le aux oiseaux", "M&eacute;t&eacute;o", "Cin&eacute;ma d'apr&egrave;s-midi",
        "Sport &amp; sant&eacute;", "T&eacute;l&eacute; Bleue Soir", "S&eacute;rie : L'&Eacute;t&eacute; indien",
        "Concert", "Programmes de nuit"],
    5: ["Cin&eacute; matin", "Court m&eacute;trage", "Cin&eacute; &Eacute;t&eacute; midi", "Western", "Com&eacute;die",
        "Avant-premi&egrave;re", "Film : La Nuit &#233;toil&#233;e", "Film de minuit", "Fin des programmes"],
}
HORAIRES = ["06:00", "09:30", "13:00", "14:00", "17:45", "19:50", "20:50", "22:35", "00:40"]


def page_guide(canal, jour, aujourdhui):
    """A day page in the guide site's markup: the day selector, then one table row per programme."""
    morceaux = ['<html><head><title>Guide TV</title></head><body>',
                '<form action="index.php"><input type="hidden" name="canal" value="%d">' % canal,
                '<select name="nb_jour" onchange="submit()">']
    for n in range(-1, 7):
        d = aujourdhui + datetime.timedelta(days=n)
        choisi = " selected" if n == jour else ""
        morceaux.append('<option value="%d"%s>%s</option>' % (n, choisi, d.strftime("%d/%m/%Y")))
    morceaux.append('</select></form><table>')
    titres = PROGRAMMES.get(canal)
    if not titres or not -1 <= jour <= 6:
        morceaux.append('<tr><td>Aucun programme</td></tr>')
    else:
        for i, (heure, titre) in enumerate(zip(HORAIRES, titres)):
            titre = titre % {"jour": jour + 2} if "%(" in titre else titre
            if i == 2:
                # A row without a summary link.
                morceaux.append('<tr><td width="40"><b>%s</b></td><td>%s</td></tr>' % (heure, titre))
                continue
            ident = canal * 1000 + (jour + 1) * 100 + i
            morceaux.append('<tr><td width="40"><b>%s</b></td><td><a href="javascript:popup_emission(\'%d\')">'
                            '%s</a></td></tr>' % (heure, ident, titre))
    morceaux.append('</table></body></html>')
    return "\n".join(morceaux)


AUDIENCE = [("Canal Soleil", "24.5", "Les Experts"), ("France 2", "17.1", "Le Journal"),
            ("Onde Verte", "11.0", "Questions &amp; r&eacute;ponses"), ("Six Étoiles", "9.8", None),
            ("Canal Nord", "3.2", "Football : Coupe des régions, demi-finale retour en direct"),
            ("Arc-en-ciel", "2.9", "Documentaire"), ("Cinq Sud", "2.6", "Le Débat du soir"),
            ("Télé Bleue", "2.1", "Météo"), ("Ciné Été", "1.7", "Western"), ("Mer TV", "1.5", "Série"),
            ("Neuf Clips", "1.2", "Clips"), ("Petits Loups", "1.1", "Dessins animés"),
            ("Douze", "0.9", "Téléréalité"), ("Direct Huit", "0.8", "Magazine"), ("Info Continue", "0.6", "Le Fil"),
            ("Info Plus", "0.5", "Info")]


def flux_audience():
    morceaux = ['<?xml version="1.0" encoding="UTF-8"?>', '<audience>']
    for rang, (nom, part, titre) in enumerate(AUDIENCE, 1):
        morceaux.append('<channel rank="%d"><name>%s</name><market_share>%s</market_share>' % (rang, nom, part))
        if titre:
            morceaux.append('<epg_title>%s</epg_title>' % titre)
        morceaux.append('</channel>')
    morceaux.append('</audience>')
    return "\n".join(morceaux) + "\n"


def generer_media(etat, dossier):
    sortie = os.path.join(dossier, "media.ts")
    commande = [
        "ffmpeg", "-nostdin", "-hide_banner", "-loglevel", "error", "-y",
        "-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25",
        "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000",
        "-t", str(DUREE_MEDIA),
        "-c:v", "mpeg2video", "-b:v", "300k", "-maxrate", "300k", "-bufsize", "300k", "-g", "25",
        "-c:a", "mp2", "-b:a", "128k", "-ac", "2",
        "-f", "mpegts", "-muxrate", str(MUXRATE), sortie + ".part",
    ]
    try:
        with etat.verrou:
            if etat.arret.is_set():
                return
            etat.ffmpeg = subprocess.Popen(commande, stdin=subprocess.DEVNULL)
        if etat.ffmpeg.wait() != 0:
            if not etat.arret.is_set():
                print("fakebox: ffmpeg failed", file=sys.stderr, flush=True)
            return
        os.replace(sortie + ".part", sortie)
    except OSError as e:
        print("fakebox: %s" % e, file=sys.stderr, flush=True)
        return
    with open(sortie, "rb") as f:
        donnees = f.read()
    etat.media = donnees[: len(donnees) // TS * TS]
    etat.debit = len(etat.media) / DUREE_MEDIA
    etat.media_pret.set()


def lire_ts(b):
    return (((b[0] >> 1) & 7) << 30) | (b[1] << 22) | ((b[2] >> 1) << 15) | (b[3] << 7) | (b[4] >> 1)


def ecrire_ts(b, i, ts):
    b[i] = (b[i] & 0xF0) | (((ts >> 30) & 7) << 1) | 1
    b[i + 1] = (ts >> 22) & 0xFF
    b[i + 2] = (((ts >> 15) & 0x7F) << 1) | 1
    b[i + 3] = (ts >> 7) & 0xFF
    b[i + 4] = ((ts & 0x7F) << 1) | 1


class Boucle:
    """Replays the file endlessly with timestamps and continuity counters
    carried on, so a player or recorder sees one unbroken programme."""

    def __init__(self, donnees):
        self.donnees = donnees
        self.tour = 0
        self.pos = 0
        self.compteurs = {}

    def lire(self, paquets):
        if self.pos >= len(self.donnees):
            self.pos = 0
            self.tour += 1
        bloc = bytearray(self.donnees[self.pos: self.pos + paquets * TS])
        self.pos += len(bloc)
        decalage = self.tour * DUREE_MEDIA * 90000
        for i in range(0, len(bloc), TS):
            self.corriger(bloc, i, decalage)
        return bytes(bloc)

    def corriger(self, b, i, decalage):
        pid = ((b[i + 1] & 0x1F) << 8) | b[i + 2]
        if b[i] != 0x47 or pid == 0x1FFF:
            return
        afc = (b[i + 3] >> 4) & 3
        cc = self.compteurs.get(pid, -1)
        if afc & 1 or cc < 0:
            cc = (cc + 1) & 15
            self.compteurs[pid] = cc
        b[i + 3] = (b[i + 3] & 0xF0) | cc
        if not decalage:
            return
        debut = i + 4
        if afc & 2:
            longueur = b[i + 4]
            if longueur and b[i + 5] & 0x10:  # PCR
                p = i + 6
                base = (b[p] << 25) | (b[p + 1] << 17) | (b[p + 2] << 9) | (b[p + 3] << 1) | (b[p + 4] >> 7)
                base = (base + decalage) % HORLOGE_MAX
                b[p:p + 4] = (base >> 1).to_bytes(4, "big")
                b[p + 4] = ((base & 1) << 7) | (b[p + 4] & 0x7F)
            debut = i + 5 + longueur
        if afc & 1 and b[i + 1] & 0x40 and b[debut:debut + 3] == b"\x00\x00\x01":
            drapeaux = b[debut + 7] >> 6
            if drapeaux & 2:
                ecrire_ts(b, debut + 9, (lire_ts(b[debut + 9:debut + 14]) + decalage) % HORLOGE_MAX)
            if drapeaux == 3:
                ecrire_ts(b, debut + 14, (lire_ts(b[debut + 14:debut + 19]) + decalage) % HORLOGE_MAX)


class Gestionnaire(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    # path pattern -> method
    ROUTES = [
        (r"/guide/index\.php", "guide"),
        (r"/guide/detail\.php", "resume"),
        (r"/audience/audience15\.xml", "audience"),
        (r"/freeboxtv/playlist\.m3u", "playlist"),
        (r"/(site/)?kelmor\.ver", "version"),
        (r"/stream/([^/]+)\.ts", "flux"),
        (r"/_ready", "pret"),
        (r"/_control/playlist", "ctl_playlist"),
        (r"/_control/version", "ctl_version"),
        (r"/_control/reset", "ctl_reset"),
        (r"/_control/streams", "ctl_streams"),
    ]

    def log_message(self, *args):
        pass

    @property
    def etat(self):
        return self.server.etat

    def repondre(self, code, corps=b"", type_="text/plain; charset=utf-8"):
        self.send_response(code)
        self.send_header("Content-Type", type_)
        self.send_header("Content-Length", str(len(corps)))
        self.end_headers()
        self.wfile.write(corps)

    def do_GET(self):
        morceaux = urlsplit(self.path)
        self.requete = {k: v[-1] for k, v in parse_qs(morceaux.query, keep_blank_values=True).items()}
        for motif, nom in self.ROUTES:
            m = re.fullmatch(motif, morceaux.path)
            if m:
                return getattr(self, nom)(*m.groups())
        self.repondre(404, b"not found")

    do_POST = do_GET

    # --- box pages ---
    def playlist(self):
        with self.etat.verrou:
            mode = self.etat.mode
        if mode == "404":
            return self.repondre(404, b"not found")
        if mode == "silent":
            return self.se_taire()
        if mode == "html":
            return self.repondre(200, "<html><body>Une erreur est survenue</body></html>".encode(),
                                 "text/html; charset=utf-8")
        if mode == "empty":
            return self.repondre(200, b"")
        if mode == "slow" and self.etat.arret.wait(3):
            return
        self.repondre(200, self.etat.playlist(self.server.server_port, mode == "changed"),
                      "audio/x-mpegurl; charset=utf-8")

    def version(self, _site=None):
        with self.etat.verrou:
            texte = self.etat.version
        self.repondre(200, texte.encode("utf-8"))

    def pret(self):
        if self.etat.media_pret.is_set():
            self.repondre(200, b"ok")
        else:
            self.repondre(503, b"not ready")

    def flux(self, _numero):
        if not self.etat.media_pret.wait(20):
            return self.repondre(503, b"media not ready")
        self.send_response(200)
        self.send_header("Content-Type", "video/mp2t")
        self.send_header("Connection", "close")
        self.end_headers()
        self.close_connection = True
        debit = self.etat.debit
        boucle = Boucle(self.etat.media)
        debut = time.monotonic()
        envoye = 0
        try:
            while not self.etat.arret.is_set():
                if self.etat.flux_suspendus:
                    # The connection stays open and nothing comes: a stream that stopped.
                    time.sleep(0.1)
                    debut = time.monotonic() - envoye / debit
                    continue
                donnees = boucle.lire(40)
                self.wfile.write(donnees)
                envoye += len(donnees)
                avance = envoye / debit - (time.monotonic() - debut)
                if avance > 0:
                    time.sleep(avance)
        except (BrokenPipeError, ConnectionResetError, OSError):
            pass

    def se_taire(self):
        # Hold the socket without answering until the client hangs up.
        self.close_connection = True
        self.connection.settimeout(0.2)
        while not self.etat.arret.is_set():
            try:
                if not self.connection.recv(4096):
                    return
            except socket.timeout:
                continue
            except OSError:
                return

    # --- guide and audience sites ---
    def guide(self):
        try:
            canal = int(self.requete.get("canal", "1"))
            jour = int(self.requete.get("nb_jour", "0"))
        except ValueError:
            return self.repondre(400, b"bad request")
        page = page_guide(canal, jour, datetime.date.today())
        self.repondre(200, page.encode("iso-8859-1", "xmlcharrefreplace"), "text/html; charset=iso-8859-1")

    def resume(self):
        ident = html.escape(self.requete.get("id_programme", ""))
        corps = "<html><body><h1>R&eacute;sum&eacute; de l'&eacute;mission %s</h1></body></html>" % ident
        self.repondre(200, corps.encode("utf-8"), "text/html; charset=utf-8")

    def audience(self):
        self.repondre(200, flux_audience().encode("utf-8"), "text/xml; charset=utf-8")

    # --- control ---
    def ctl_playlist(self):
        mode = self.requete.get("mode", "")
        if mode not in MODES:
            return self.repondre(400, b"unknown mode")
        with self.etat.verrou:
            self.etat.mode = mode
        self.repondre(200, b"ok")

    def ctl_version(self):
        with self.etat.verrou:
            self.etat.version = self.requete.get("text", "")
        self.repondre(200, b"ok")

    def ctl_streams(self):
        mode = self.requete.get("mode", "")
        if mode not in ("normal", "stalled"):
            return self.repondre(400, b"unknown mode")
        self.etat.flux_suspendus = mode == "stalled"
        self.repondre(200, b"ok")

    def ctl_reset(self):
        self.etat.reset()
        self.repondre(200, b"ok")


class Serveur(ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True

    def handle_error(self, request, client_address):
        # A client that hangs up early is normal here (time-outs, size caps).
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def main():
    p = argparse.ArgumentParser(description="Simulated set-top box")
    p.add_argument("--port", type=int, default=0)
    p.add_argument("--port-file")
    p.add_argument("--channels", type=int, default=4)
    p.add_argument("--bind", default="127.0.0.1")
    args = p.parse_args()

    etat = Etat(max(0, args.channels))
    serveur = Serveur((args.bind, args.port), Gestionnaire)
    serveur.etat = etat
    port = serveur.server_port
    if args.port_file:
        provisoire = args.port_file + ".part"
        with open(provisoire, "w") as f:
            f.write("%d\n" % port)
        os.replace(provisoire, args.port_file)
    print("PORT %d" % port, flush=True)

    dossier = tempfile.mkdtemp(prefix="fakebox-")
    threading.Thread(target=generer_media, args=(etat, dossier), daemon=True).start()
    threading.Thread(target=serveur.serve_forever, kwargs={"poll_interval": 0.1}, daemon=True).start()

    signal.signal(signal.SIGTERM, lambda *_: etat.arret.set())
    signal.signal(signal.SIGINT, lambda *_: etat.arret.set())
    while not etat.arret.wait(0.5):
        pass

    serveur.shutdown()
    serveur.server_close()
    with etat.verrou:
        if etat.ffmpeg and etat.ffmpeg.poll() is None:
            etat.ffmpeg.kill()
            etat.ffmpeg.wait()
    shutil.rmtree(dossier, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
