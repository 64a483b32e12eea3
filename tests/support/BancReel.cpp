#include "support/BancReel.h"
#include "support/Attente.h"

#include "support/AttenteLecteurs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>

#include <unistd.h>

int portLibre()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

namespace {
QString ffprobe(const QString& entree, const QString& fichier)
{
    QProcess p;
    p.start("ffprobe", {"-v", "error", "-show_entries", entree, "-of", "default=nw=1:nk=1", fichier});
    attendreFin(p, 20000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}
}  // namespace

QString ffprobeFormat(const QString& fichier)
{
    return ffprobe("format=format_name", fichier);
}

double ffprobeDuree(const QString& fichier)
{
    bool ok = false;
    const double d = ffprobe("format=duration", fichier).toDouble(&ok);
    return ok ? d : -1;
}

QStringList ffprobeFlux(const QString& fichier)
{
    return ffprobe("stream=codec_type", fichier).split(u'\n', Qt::SkipEmptyParts);
}

int processusContenant(const QString& texte)
{
    int n = 0;
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        bool ok = false;
        pid.toInt(&ok);
        if (!ok)
            continue;
        QFile f("/proc/" + pid + "/cmdline");
        if (f.open(QIODevice::ReadOnly) && f.readAll().contains(texte.toUtf8()))
            ++n;
    }
    return n;
}

void BancReel::SetUp()
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "vlc refuses to run as root";
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs an X display (run under xvfb-run)";
    vlc = QStandardPaths::findExecutable("vlc");
    if (vlc.isEmpty())
        GTEST_SKIP() << "vlc is not installed";
    ASSERT_TRUE(boitier.demarre());
    ASSERT_TRUE(boitier.attendreMedia(30000));
    dossiers.path["vlc"] = vlc;
    portUdp = portLibre();
    portReglages = portLibre();
    qputenv("KELMOR_PORT_REGLAGES", QByteArray::number(portReglages));
    adresses.portReglages = quint16(portReglages);
    adresses.boitier = boitier.hote();
    adresses.lecteurBoitier = "127.0.0.1:" + QString::number(portUdp);
    lecteurs = std::make_unique<LecteursVlc>(dossiers.programme());
    plateforme = std::make_unique<Plateforme>(
        Plateforme{dialogues, web, dossiers, shell, horloge, instance, disque, systeme, *lecteurs, page, serveurDiffere,
                   vue, adresses});
    app = std::make_unique<Application>(*plateforme, fond);
}

void BancReel::demarrer(const QByteArray& ini)
{
    QFile f(dossiers.programme() + "Kelmor.ini");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("TRAN=0\nMONO=1\n" + ini);
    f.close();
    dialogues.reponses = {true};  // download the channel list
    std::optional<bool> issue = app->Form_Load({"kelmor"}, [&issue](bool continuer) { issue = continuer; });
    ASSERT_TRUE(attendreQue([&issue] { return issue.has_value(); }, 10000));
    ASSERT_TRUE(*issue);
    ASSERT_EQ(app->parties().session.chaines.taille(), 4);
    dialogues.messages.clear();
}

void BancReel::TearDown()
{
    if (lecteurs) {
        // The players go before the data folder does.
        EXPECT_TRUE(fermetureAttendue(*lecteurs));
    }
    if (app)
    qunsetenv("KELMOR_PORT_REGLAGES");
}

QString BancReel::prefixeSocket() const
{
    return lecteurs->prefixeSockets();
}
