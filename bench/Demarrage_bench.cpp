// Time from process start to the main window shown, for the real program on a 1,000-channel
// list and full settings, against a bare Qt window holding the same 1,000 names (FenetreNue_bench),
// and the program's resident memory once its window is shown. Needs an X display (xvfb-run -a)
// and xdotool: the window counts as shown when xdotool finds it mapped.
//   xvfb-run -a build/Demarrage_bench [other build of kelmor]
// bench/EtapesDemarrage.sh times each step of the same start-up (uprobes on the real program).
#include "DossierUtilisateur.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Montre = std::chrono::steady_clock;
constexpr int kChaines = 1000;
constexpr int kTours = 10;
const char* const kMotifTitre = "^Kelmor - ";
const char* const kPrefixeTitre = "Kelmor - ";
std::string gKelmor = KELMOR_BINARY_DIR "/kelmor";  // another build of the program may be given

double msDepuis(Montre::time_point debut, Montre::time_point fin)
{
    return std::chrono::duration<double, std::milli>(fin - debut).count();
}

// This process's environment with some variables replaced or added.
class Environnement {
public:
    explicit Environnement(const std::vector<std::pair<std::string, std::string>>& ajouts)
    {
        for (char** e = environ; *e; ++e) {
            const std::string v = *e;
            const bool remplace = std::any_of(ajouts.begin(), ajouts.end(),
                                              [&v](const auto& a) { return v.rfind(a.first + "=", 0) == 0; });
            if (!remplace)
                texte_.push_back(v);
        }
        for (const auto& [nom, valeur] : ajouts)
            texte_.push_back(nom + "=" + valeur);
        for (auto& s : texte_)
            pointeurs_.push_back(s.data());
        pointeurs_.push_back(nullptr);
    }
    char** envp() { return pointeurs_.data(); }

private:
    std::vector<std::string> texte_;
    std::vector<char*> pointeurs_;
};

// Starts a program with its output sent to `sortie` (a file, or /dev/null). -1 on failure.
pid_t lancer(const std::vector<std::string>& arguments, char** envp, const char* sortie)
{
    std::vector<char*> argv;
    for (const auto& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, sortie, O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = -1;
    const int r = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp);
    posix_spawn_file_actions_destroy(&actions);
    return r == 0 ? pid : -1;
}

// Output of a program (its standard output only); "" when it cannot start.
std::string sortieDe(const std::vector<std::string>& arguments)
{
    int tube[2];
    if (pipe(tube) != 0)
        return {};
    std::vector<char*> argv;
    for (const auto& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, tube[1], 1);
    posix_spawn_file_actions_addclose(&actions, tube[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int r = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(tube[1]);
    std::string sortie;
    if (r == 0) {
        char tampon[4096];
        ssize_t n;
        while ((n = read(tube[0], tampon, sizeof tampon)) > 0)
            sortie.append(tampon, static_cast<std::size_t>(n));
        waitpid(pid, nullptr, 0);
    }
    close(tube[0]);
    return sortie;
}

// Whether the process `pid` shows a window titled "Kelmor - …". xdotool ORs its search
// conditions unless given --all, and matches titles without case: the titles it finds are
// checked again here, case included.
bool fenetreVisible(pid_t pid)
{
    const std::string noms = sortieDe({"xdotool", "search", "--all", "--onlyvisible", "--pid", std::to_string(pid),
                                       "--name", kMotifTitre, "getwindowname", "%@"});
    std::size_t debut = 0;
    while (debut < noms.size()) {
        std::size_t fin = noms.find('\n', debut);
        if (fin == std::string::npos)
            fin = noms.size();
        if (noms.compare(debut, std::strlen(kPrefixeTitre), kPrefixeTitre) == 0)
            return true;
        debut = fin + 1;
    }
    return false;
}

// VmRSS of a process, in kB; -1 when unknown.
long residentKo(pid_t pid)
{
    std::ifstream f("/proc/" + std::to_string(pid) + "/status");
    std::string ligne;
    while (std::getline(f, ligne))
        if (ligne.rfind("VmRSS:", 0) == 0)
            return std::atol(ligne.c_str() + 6);
    return -1;
}

bool bibliothequeChargee(pid_t pid, const char* nom)
{
    std::ifstream f("/proc/" + std::to_string(pid) + "/maps");
    std::string ligne;
    while (std::getline(f, ligne))
        if (ligne.find(nom) != std::string::npos)
            return true;
    return false;
}

// SIGTERM, then a bounded wait, then SIGKILL.
void arreter(pid_t pid)
{
    kill(pid, SIGTERM);
    const auto limite = Montre::now() + std::chrono::seconds(5);
    while (Montre::now() < limite) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(5000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

void afficherJournal(const QString& chemin)
{
    QFile f(chemin);
    if (f.open(QIODevice::ReadOnly))
        std::fprintf(stderr, "%s\n", f.readAll().left(4000).constData());
}

struct Mesure {
    bool ok = false;
    double ms = 0;              // start to window shown
    long residentKo = -1;       // at window shown
    long residentApresKo = -1;  // half a second later
    bool libvlc = false;        // libvlc mapped once the window is shown
    bool instanceVlc = false;   // a libVLC instance exists: its plugin cache is mapped
    double sondeMs = 0;         // cost of one successful xdotool look-up (first run only)
};

enum class Sujet { Kelmor, FenetreNue };

// The data folders of the runs, one per channel count, filled once: the first run on each
// writes the settings as the program writes them, and the others start on them as a user's
// next start does.
QString dossierDonnees(int chaines)
{
    static QTemporaryDir racine;
    const QString dossier = racine.path() + "/" + QString::number(chaines) + "/";
    if (!QFileInfo::exists(dossier) && !banc::preparerDossier(dossier, chaines)) {
        std::fprintf(stderr, "cannot prepare %s\n", qPrintable(dossier));
        return {};
    }
    return dossier;
}

Mesure mesurer(Sujet sujet, bool prechargerLibvlc, bool mesurerSonde, int chaines = kChaines)
{
    Mesure m;
    QTemporaryDir temporaire;
    if (!temporaire.isValid())
        return m;
    const std::string journal = (temporaire.path() + "/sortie.log").toStdString();
    std::vector<std::pair<std::string, std::string>> ajouts;
    std::string programme;
    if (sujet == Sujet::Kelmor) {
        const QString dossier = dossierDonnees(chaines);
        if (dossier.isEmpty())
            return m;
        programme = gKelmor;
        ajouts = {{"KELMOR_HOME", dossier.toStdString()},
                  {"XDG_CONFIG_HOME", (dossier + "config").toStdString()}};
    } else {
        programme = KELMOR_BINARY_DIR "/FenetreNue_bench";
    }
    if (prechargerLibvlc)
        ajouts.emplace_back("LD_PRELOAD", "libvlc.so.5");
    Environnement env(ajouts);

    const auto debut = Montre::now();
    const pid_t pid = lancer({programme}, env.envp(), journal.c_str());
    if (pid < 0) {
        std::fprintf(stderr, "cannot start %s\n", programme.c_str());
        return m;
    }
    const auto limite = debut + std::chrono::seconds(30);
    for (;;) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "%s ended before showing its window:\n", programme.c_str());
            afficherJournal(QString::fromStdString(journal));
            return m;
        }
        if (Montre::now() > limite) {
            std::fprintf(stderr, "%s: no window after 30 s\n", programme.c_str());
            afficherJournal(QString::fromStdString(journal));
            arreter(pid);
            return m;
        }
        if (fenetreVisible(pid))
            break;
        usleep(2000);
    }
    m.ms = msDepuis(debut, Montre::now());
    m.residentKo = residentKo(pid);
    m.libvlc = bibliothequeChargee(pid, "libvlc.so");
    // libvlc_new maps the plugin cache and loads its first plugins: the process-side
    // counterpart of VueIntegreeVlc::instanceCreee().
    m.instanceVlc = bibliothequeChargee(pid, "/vlc/plugins/");
    if (mesurerSonde) {
        const int n = 10;
        const auto t = Montre::now();
        for (int i = 0; i < n; ++i)
            fenetreVisible(pid);
        m.sondeMs = msDepuis(t, Montre::now()) / n;
    }
    usleep(500000);
    m.residentApresKo = residentKo(pid);
    arreter(pid);
    m.ok = true;
    return m;
}

double mediane(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Serie {
    std::vector<double> ms, residentMo, residentApresMo;
    int avecLibvlc = 0;
    int avecInstance = 0;
    void ajouter(const Mesure& m)
    {
        ms.push_back(m.ms);
        residentMo.push_back(m.residentKo / 1024.0);
        residentApresMo.push_back(m.residentApresKo / 1024.0);
        avecLibvlc += m.libvlc ? 1 : 0;
        avecInstance += m.instanceVlc ? 1 : 0;
    }
    double min() const { return *std::min_element(ms.begin(), ms.end()); }
    double max() const { return *std::max_element(ms.begin(), ms.end()); }
};

bool commandeDisponible(const char* nom)
{
    const std::string c = std::string("command -v ") + nom + " >/dev/null 2>&1";
    return std::system(c.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // `--preparer <folder>` only fills a data folder as the runs use it, to start kelmor by hand.
    if (argc == 3 && std::strcmp(argv[1], "--preparer") == 0) {
        const QString dossier = QDir(QString::fromLocal8Bit(argv[2])).absolutePath() + "/";
        return banc::preparerDossier(dossier, kChaines) ? 0 : 1;
    }
    if (argc == 2)
        gKelmor = argv[1];
    if (!std::getenv("DISPLAY") || !*std::getenv("DISPLAY")) {
        std::printf("Demarrage_bench needs an X display: run it as `xvfb-run -a %s/Demarrage_bench`.\n",
                    KELMOR_BINARY_DIR);
        return 0;
    }
    if (!commandeDisponible("xdotool")) {
        std::printf("Demarrage_bench needs xdotool (apt-get install xdotool).\n");
        return 0;
    }
    std::signal(SIGPIPE, SIG_IGN);
    // xvfb-run may hand over before its server takes connections.
    bool ecran = false;
    for (int i = 0; i < 50 && !(ecran = std::system("xdotool getdisplaygeometry >/dev/null 2>&1") == 0); ++i)
        usleep(100000);
    if (!ecran) {
        std::fprintf(stderr, "cannot reach the display %s\n", std::getenv("DISPLAY"));
        return 1;
    }

    // A first run of each warms the file cache, writes the settings as the program writes
    // them and gives the look-up's own cost.
    const Mesure chaudK = mesurer(Sujet::Kelmor, false, true);
    const Mesure chaudN = mesurer(Sujet::FenetreNue, false, false);
    const Mesure chaudD = mesurer(Sujet::Kelmor, false, false, 10 * kChaines);
    if (!chaudK.ok || !chaudN.ok || !chaudD.ok)
        return 1;

    Serie kelmor, nue, precharge, dixMille;
    for (int i = 0; i < kTours; ++i) {
        const Mesure k = mesurer(Sujet::Kelmor, false, false);
        const Mesure n = mesurer(Sujet::FenetreNue, false, false);
        const Mesure d = mesurer(Sujet::Kelmor, false, false, 10 * kChaines);
        if (!k.ok || !n.ok || !d.ok)
            return 1;
        kelmor.ajouter(k);
        nue.ajouter(n);
        dixMille.ajouter(d);
    }
    for (int i = 0; i < kTours; ++i) {
        const Mesure k = mesurer(Sujet::Kelmor, true, false);
        if (!k.ok)
            return 1;
        precharge.ajouter(k);
    }

    const double mk = mediane(kelmor.ms), mn = mediane(nue.ms);
    std::printf("Program: %s\n", gKelmor.c_str());
    std::printf("Start to window shown, median of %d runs (one xdotool look-up takes %.1f ms, the poll step):\n",
                kTours, chaudK.sondeMs);
    std::printf("  kelmor, %d channels, full settings   %7.1f ms  (min %.1f, max %.1f)\n", kChaines, mk,
                kelmor.min(), kelmor.max());
    std::printf("  bare Qt window, %d names             %7.1f ms  (min %.1f, max %.1f)\n", kChaines, mn, nue.min(),
                nue.max());
    std::printf("  ratio kelmor / bare                    %7.2f    (target: 1.15 or less)\n", mn > 0 ? mk / mn : 0.0);
    const double md = mediane(dixMille.ms);
    std::printf("  kelmor, %d channels                 %7.1f ms  (min %.1f, max %.1f)\n", 10 * kChaines, md,
                dixMille.min(), dixMille.max());
    std::printf("  ratio %d / %d channels             %7.2f    (target: 1.25 or less)\n", 10 * kChaines, kChaines,
                mk > 0 ? md / mk : 0.0);
    std::printf("Resident memory (VmRSS), median:\n");
    std::printf("  kelmor at window shown                 %7.1f MB  (0.5 s later %.1f MB; target: under 50 MB)\n",
                mediane(kelmor.residentMo), mediane(kelmor.residentApresMo));
    std::printf("  bare Qt window at window shown         %7.1f MB  (0.5 s later %.1f MB)\n", mediane(nue.residentMo),
                mediane(nue.residentApresMo));
    const double rk = mediane(kelmor.residentMo), rn = mediane(nue.residentMo);
    std::printf("  ratio kelmor / bare                    %7.2f    (target: 1.1 or less)\n", rn > 0 ? rk / rn : 0.0);
    std::printf("libvlc mapped in kelmor at window shown: %s (%d of %d runs)\n",
                kelmor.avecLibvlc ? "YES" : "no", kelmor.avecLibvlc, kTours);
    std::printf("libVLC instance in kelmor at window shown: %s (%d of %d runs; target: no)\n",
                kelmor.avecInstance ? "YES" : "no", kelmor.avecInstance, kTours);
    std::printf("kelmor with libvlc loaded at start (LD_PRELOAD=libvlc.so.5, mapped in %d of %d runs):\n",
                precharge.avecLibvlc, kTours);
    std::printf("  start to window shown                  %7.1f ms\n", mediane(precharge.ms));
    std::printf("  resident memory at window shown        %7.1f MB  (0.5 s later %.1f MB)\n",
                mediane(precharge.residentMo), mediane(precharge.residentApresMo));
    return 0;
}
