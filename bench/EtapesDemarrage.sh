#!/bin/bash
# Start-up, step by step: the real program is started on Demarrage_bench's data (1,000
# channels, every settings key, full favourites, 200 schedule entries) with uprobes on
# the functions of each step, and each step's time is read from the probes' timestamps; the
# bare Qt window (FenetreNue_bench) is timed on the same Qt steps. Nothing in the program is
# changed for it. Medians of the rounds, in ms; "at" is from the program's exec.
#   xvfb-run -a bench/EtapesDemarrage.sh [build folder] [rounds]
# Needs root (uprobes), perf, xdotool and python3.
set -euo pipefail

BUILD=$(realpath "${1:-build}")
TOURS=${2:-10}
KELMOR=$BUILD/kelmor
NUE=$BUILD/FenetreNue_bench
GROUPE=etapes
[ -n "${DISPLAY:-}" ] || { echo "needs an X display: xvfb-run -a $0"; exit 0; }
for c in perf xdotool python3; do
    command -v $c >/dev/null || { echo "needs $c"; exit 0; }
done
[ -d /sys/kernel/tracing/events ] || mount -t tracefs nodev /sys/kernel/tracing

bib() { ldd "$KELMOR" | awk -v n="$1" '$1 ~ n {print $3}'; }
QTCORE=$(bib libQt6Core.so)
QTGUI=$(bib libQt6Gui.so)
QTWIDGETS=$(bib libQt6Widgets.so)
QTXCB=$(dirname "$QTCORE")/libQt6XcbQpa.so.6

TEMP=$(mktemp -d)
nettoyer() {
    perf probe -q -d "$GROUPE:*" 2>/dev/null || true
    rm -rf "$TEMP"
}
trap nettoyer EXIT
perf probe -q -d "$GROUPE:*" 2>/dev/null || true

# One probe at the entry and one at the return of a function given by its demangled
# signature; the event is named after the step's label.
declare -a ETAPES=()
sonde() {  # label binary signature
    local etiquette=$1 binaire=$2 signature=$3 option="" mangle
    case "$binaire" in *.so*) option=-D ;; esac
    mangle=$(paste -d'\t' <(nm $option --defined-only "$binaire" | awk '{print $3}') \
                          <(nm $option -C --defined-only "$binaire" | cut -c20-) |
             awk -F'\t' -v s="$signature" '{sub(/@.*/, "", $2)} $2 == s && !vu {print $1; vu = 1}')
    mangle=${mangle%%@*}
    if [ -z "$mangle" ]; then
        return  # a step of another build
    fi
    local nom="e${#ETAPES[@]}"
    perf probe -q -x "$binaire" --no-demangle -a "$GROUPE:$nom=$mangle" \
        && perf probe -q -x "$binaire" --no-demangle -a "$GROUPE:${nom}r=$mangle%return" \
        && ETAPES+=("$nom $etiquette")
}

# The steps, in the order start-up runs them; an indented label is a part of the step above.
sonde "QApplication" "$QTWIDGETS" "QApplication::QApplication(int&, char**, int)"
sonde "application font" "$KELMOR" "appliquerPoliceApplication()"
sonde "Qt's French translation" "$QTCORE" "QTranslator::load(QString const&, QString const&, QString const&, QString const&)"
sonde "web client" "$KELMOR" "ClientWebQt::ClientWebQt(int, long long)"
sonde "players' registry (LecteursVlc)" "$KELMOR" "LecteursVlc::LecteursVlc(QString const&)"
sonde "settings page server" "$KELMOR" "PageReglagesHttp::PageReglagesHttp(unsigned short, PageReglagesHttp::Limites, QObject*)"
sonde "time-shift server" "$KELMOR" "ServeurDiffereHttp::ServeurDiffereHttp(QObject*)"
sonde "embedded view (no libVLC instance)" "$KELMOR" "VueIntegreeVlc::VueIntegreeVlc()"
sonde "main window (Fond)" "$KELMOR" "Fond::construire()"
sonde "  channel column" "$KELMOR" "PanneauChaines::PanneauChaines(QWidget*)"
sonde "    favourites frame" "$KELMOR" "PanneauFavoris::PanneauFavoris(QWidget*)"
sonde "  remote control" "$KELMOR" "PanneauTelecommande::PanneauTelecommande(QWidget*)"
sonde "  re-broadcast pane" "$KELMOR" "VoletDiffusion::VoletDiffusion(QWidget*)"
sonde "  media pane" "$KELMOR" "VoletAfficher::VoletAfficher(QWidget*)"
sonde "  schedule pane" "$KELMOR" "VoletProgrammation::VoletProgrammation(QWidget*)"
sonde "  guide pane" "$KELMOR" "VoletGuide::VoletGuide(VoletProgrammation*, QWidget*)"
sonde "  forms (AppliqueurForme)" "$KELMOR" "AppliqueurForme::AppliqueurForme(ControlesForme const&, EtatFenetre&, QObject*)"
sonde "  options frame (CadreOptions)" "$KELMOR" "CadreOptions::CadreOptions(QWidget&, QWidget&, QWidget&, AppliqueurForme&, QObject&, EtatFenetre&)"
sonde "  icons (IconeRepos)" "$KELMOR" "IconeRepos()"
sonde "  duration pop-up" "$KELMOR" "PopupDuree::PopupDuree(QWidget*)"
sonde "  tray icon object" "$KELMOR" "clsSysTray::clsSysTray(QObject*)"
sonde "engine parts (Composition)" "$KELMOR" "Composition::Composition(Plateforme&, EtatFenetre&, Fond const&)"
sonde "wiring (cabler)" "$KELMOR" "cabler(Assemblage const&)"
sonde "start-up (Form_Load)" "$KELMOR" "Application::Form_Load(QList<QString> const&, std::function<void (bool)>)"
sonde "  single copy (lock)" "$KELMOR" "InstanceUniqueReelle::verrouiller()"
sonde "  leftover players" "$KELMOR" "LecteursVlc::fermerRestes()"
sonde "  settings, early pass" "$KELMOR" "LirePassePrecoce(QByteArray const&, ValeursPrecoces)"
sonde "  channel list present? (before: a read of its own)" "$KELMOR" "ListeChainesPresente(QString const&)"
sonde "  channel list read" "$KELMOR" "LireFichierListeChaines(QString const&, bool)"
sonde "  channel list read and checked (once)" "$KELMOR" "LireListeChainesPresente(QString const&, bool)"
sonde "  channel list shown" "$KELMOR" "Moteur::afficherChaines()"
sonde "  defaults" "$KELMOR" "AppliquerDefauts(ContenuParametres&, QString const&)"
sonde "  settings, main pass" "$KELMOR" "LirePassePrincipale(QByteArray const&, ContenuParametres&, QList<QString> const&, std::function<bool (QString const&)> const&, Dialogues&)"
sonde "  schedule loaded" "$KELMOR" "Programmation::Recharger(QList<QString> const&)"
sonde "  last channel selected" "$KELMOR" "Moteur::Chaines_Click(int)"
sonde "  player found" "$KELMOR" "Demarrage::chercherLecteur()"
sonde "  player state" "$KELMOR" "Moteur::ChangerEtat(EtatLecteur)"
sonde "  first tick" "$KELMOR" "Application::Horloge_Timer()"
sonde "  migrations" "$KELMOR" "AppliquerMigrations(ContenuParametres&, Dialogues&)"
sonde "  favourites groups" "$KELMOR" "Favoris::afficherGroupes()"
sonde "  favourites group 0" "$KELMOR" "Favoris::selectionnerGroupe(int)"
sonde "  window presented" "$KELMOR" "presenter(Fond&, PresentationDemarrage const&)"
sonde "    texture" "$KELMOR" "TextureFond(int, int, QString const&)"
sonde "    texture laid" "$KELMOR" "Fond::definirTexture(QPixmap const&)"
sonde "  first save" "$KELMOR" "EcritureParametres::EcrireParametres()"
sonde "    settings file written" "$KELMOR" "EcrireFichierParametres(QString const&, ContenuParametres const&)"
sonde "    settings file written if changed" "$KELMOR" "EcrireFichierParametres(QString const&, ContenuParametres const&, FichierParametresConnu*)"
sonde "      file replaced" "$KELMOR" "ecrireFichierAtomique(QString const&, QByteArray const&)"
sonde "stop signals" "$KELMOR" "installerSignauxArret(QObject*, std::function<void ()>)"
sonde "native window made (first QXcbWindow::create)" "$QTXCB" "QXcbWindow::create()"
sonde "window mapped (first QXcbWindow::show)" "$QTXCB" "QXcbWindow::show()"
sonde "event loop (exec)" "$QTCORE" "QCoreApplication::exec()"
sonde "first paint (paintAndFlush)" "$QTWIDGETS" "QWidgetRepaintManager::paintAndFlush()"
sonde "tray icon made" "$QTWIDGETS" "QSystemTrayIcon::QSystemTrayIcon(QObject*)"
sonde "session bus" "$(dirname "$QTCORE")/libQt6DBus.so.6" "QDBusConnection::sessionBus()"

printf '%s\n' "${ETAPES[@]}" >"$TEMP/etapes"

# The probes write to the kernel's trace buffer (ftrace: far lighter than perf record), for
# this script and what it starts only.
T=/sys/kernel/tracing
echo 0 >$T/tracing_on
echo >$T/trace
echo mono >$T/trace_clock
echo 16384 >$T/buffer_size_kb
echo 1 >$T/options/event-fork
echo $$ >$T/set_event_pid
echo 1 >$T/events/$GROUPE/enable
echo 1 >$T/events/sched/sched_process_exec/enable
arreterTrace() {
    echo 0 >$T/tracing_on
    echo 0 >$T/events/$GROUPE/enable
    echo 0 >$T/events/sched/sched_process_exec/enable
    echo >$T/set_event_pid
    echo 0 >$T/options/event-fork
}
trap 'arreterTrace; nettoyer' EXIT

# One run: the program until its window is shown and painted; then stopped.
tour() {  # program [folder]
    local programme=$1 dossier=${2:-}
    local env=()
    [ -n "$dossier" ] && env=(KELMOR_HOME="$dossier/" XDG_CONFIG_HOME="$dossier/config")
    env "${env[@]}" "$programme" >/dev/null 2>&1 &
    local pid=$!
    for _ in $(seq 1 500); do
        xdotool search --onlyvisible --pid "$pid" --name '^Kelmor - ' >/dev/null 2>&1 && break
        sleep 0.01
    done
    sleep 0.5
    kill "$pid"
    wait "$pid" || true
}

# The data folder is filled once; a first run writes the settings as the program writes them,
# and the rounds start on them as a user's next start does.
"$BUILD/Demarrage_bench" --preparer "$TEMP/dossier"
tour "$KELMOR" "$TEMP/dossier"
tour "$NUE"
echo 1 >$T/tracing_on
for i in $(seq 1 "$TOURS"); do
    tour "$KELMOR" "$TEMP/dossier"
    tour "$NUE"
done
echo 0 >$T/tracing_on
cat $T/trace >"$TEMP/trace"

python3 - "$TEMP" "$KELMOR" "$NUE" <<'EOF'
import re, statistics, sys
temp, kelmor, nue = sys.argv[1:4]
etapes = [l.rstrip('\n').split(' ', 1) for l in open(f"{temp}/etapes")]

# Each run's main thread: its exec, then the first call of each probed function.
ligne = re.compile(r'^\s*\S+-(\d+)\s+\[\d+\]\s+\S+\s+([\d.]+): (\w+): (.*)$')
runs = {kelmor: [], nue: []}
courants = {}
for l in open(f"{temp}/trace"):
    m = ligne.match(l)
    if not m:
        continue
    tid, t, ev, reste = int(m.group(1)), float(m.group(2)) * 1000, m.group(3), m.group(4)
    if ev == 'sched_process_exec':
        programme = re.search(r'filename=(\S+)', reste).group(1)
        if programme in runs:
            run = {'debut': t, 'appels': {}}
            runs[programme].append(run)
            courants[tid] = run
        continue
    run = courants.get(tid)
    if run is None:
        continue
    retour = ev.endswith('r__return')
    nom = ev[:-len('r__return')] if retour else ev
    a = run['appels'].setdefault(nom, {'pile': [], 'premier': None, 'n': 0})
    if not retour:
        a['n'] += 1
        a['pile'].append(t)
    elif a['pile']:
        entree = a['pile'].pop()
        if a['premier'] is None and not a['pile']:
            a['premier'] = (entree - run['debut'], t - entree)

def table(liste):
    lignes = []
    for nom, etiquette in etapes:
        vus = [(r['appels'][nom]['premier'], r['appels'][nom]['n']) for r in liste
               if nom in r['appels'] and r['appels'][nom]['premier']]
        if vus:
            lignes.append((etiquette, statistics.median(v[0][0] for v in vus),
                           statistics.median(v[0][1] for v in vus), max(v[1] for v in vus)))
    return lignes

for titre, programme in (("kelmor, 1000 channels, full settings", kelmor), ("bare Qt window, 1000 names", nue)):
    print(f"{titre}: median of {len(runs[programme])} runs; ms, \"at\" from exec, first call")
    print(f"  {'step':<44} {'at':>8} {'took':>8} {'calls':>6}")
    for etiquette, a, d, n in table(runs[programme]):
        print(f"  {etiquette:<44} {a:8.2f} {d:8.2f} {n:6d}")
EOF
