// The icon on a StatusNotifierItem tray (the kind KDE, GNOME's AppIndicator and XFCE show):
// a private session bus, a stand-in watcher in this process, and the window with its icon in
// a second run of this same test whose Qt talks to that bus. The watcher activates the item
// the way those trays do on a click.
#include "shell/Icones.h"
#include "shell/clsSysTray.h"
#include "support/Attente.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QVariantMap>
#include <QSystemTrayIcon>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

const char* const COTE_FENETRE = "KELMOR_TEST_COTE_FENETRE";
constexpr int TOURS = 2;  // the icon must come back each time the window is minimised again

// What a tray's host offers to the items: it records who registers.
class VeilleurSni : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ RegisteredStatusNotifierItems)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ IsStatusNotifierHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ ProtocolVersion)
public:
    QStringList RegisteredStatusNotifierItems() const { return services; }
    bool IsStatusNotifierHostRegistered() const { return true; }
    int ProtocolVersion() const { return 0; }

    QStringList services;  // one per registration, in order
    QStringList chemins;

public slots:
    void RegisterStatusNotifierItem(const QString& element, const QDBusMessage& message)
    {
        // An item names itself by its bus name, or by its object path on the caller's name.
        const bool parChemin = element.startsWith('/');
        services << (parChemin ? message.service() : element);
        chemins << (parChemin ? element : QStringLiteral("/StatusNotifierItem"));
        emit StatusNotifierItemRegistered(element);
    }
    void RegisterStatusNotifierHost(const QString&) {}

signals:
    void StatusNotifierItemRegistered(const QString& element);
    void StatusNotifierItemUnregistered(const QString& element);
    void StatusNotifierHostRegistered();
};

// The desktop's notification server: it records the notices it is asked to show.
class ServeurAvis : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList avis;  // title, a line break, text

public slots:
    uint Notify(const QString&, uint, const QString&, const QString& titre, const QString& texte, const QStringList&,
                const QVariantMap&, int)
    {
        avis << titre + '\n' + texte;
        return uint(avis.size());
    }
    QStringList GetCapabilities() const { return {QStringLiteral("body")}; }
};

const char* const AVIS = "L'extinction de l'ordinateur a été programmée.";

// The second run: Qt's tray here uses the private bus, set before the application started.
void coteFenetre()
{
    ASSERT_TRUE(QSystemTrayIcon::isSystemTrayAvailable()) << "the stand-in watcher was not seen";
    QWidget fenetre;
    fenetre.resize(200, 100);
    fenetre.show();
    clsSysTray icone;
    icone.setSourceWindow(&fenetre);
    icone.ChangeIcon(IconeRepos());
    icone.ChangeToolTip("Kelmor");
    for (int tour = 1; tour <= TOURS; ++tour) {
        icone.MinToSysTray();
        ASSERT_FALSE(fenetre.isVisible()) << "tour " << tour;
        ASSERT_TRUE(icone.visible()) << "tour " << tour;
        ASSERT_TRUE(attendreQue([&] { return fenetre.isVisible(); }, 20000))
            << "tour " << tour << ": the activation did not bring the window back";
        EXPECT_FALSE(fenetre.isMinimized());
        EXPECT_FALSE(icone.visible());
    }
    // A notice while the window is shown: the icon comes for it, the desktop shows it.
    ASSERT_TRUE(QSystemTrayIcon::supportsMessages());
    icone.avertir(QString::fromUtf8(AVIS));
    EXPECT_TRUE(icone.visible());
    attendreQue([] { return false; }, 1500);  // the notice leaves over the bus
}

}  // namespace

TEST(clsSysTray, ActivationFromAStatusNotifierTrayBringsTheHiddenWindowBackAndANoticeReachesTheDesktop)
{
    if (qEnvironmentVariableIsSet(COTE_FENETRE)) {
        coteFenetre();
        return;
    }
    const QString dbusDaemon = QStandardPaths::findExecutable("dbus-daemon");
    if (dbusDaemon.isEmpty())
        GTEST_SKIP() << "dbus-daemon is not installed";

    QProcess bus;
    bus.start(dbusDaemon, {"--session", "--nofork", "--print-address"});
    ASSERT_TRUE(bus.waitForStarted());
    ASSERT_TRUE(attendreQue([&] { return bus.canReadLine() || bus.state() == QProcess::NotRunning; }, 10000));
    const QString adresse = QString::fromUtf8(bus.readLine()).trimmed();
    ASSERT_FALSE(adresse.isEmpty()) << bus.readAllStandardError().toStdString();

    const QString nomConnexion = QStringLiteral("veilleur");
    QString sortie;
    int code = -1;
    {
        QDBusConnection connexion = QDBusConnection::connectToBus(adresse, nomConnexion);
        ASSERT_TRUE(connexion.isConnected()) << connexion.lastError().message().toStdString();
        VeilleurSni veilleur;
        ASSERT_TRUE(connexion.registerObject("/StatusNotifierWatcher", &veilleur,
                                             QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals
                                                 | QDBusConnection::ExportAllProperties));
        ASSERT_TRUE(connexion.registerService("org.kde.StatusNotifierWatcher"));
        ServeurAvis serveur;
        ASSERT_TRUE(connexion.registerObject("/org/freedesktop/Notifications", &serveur,
                                             QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(connexion.registerService("org.freedesktop.Notifications"));

        const testing::TestInfo* ce = testing::UnitTest::GetInstance()->current_test_info();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DBUS_SESSION_BUS_ADDRESS", adresse);
        env.insert(COTE_FENETRE, "1");
        QProcess fenetre;
        fenetre.setProcessEnvironment(env);
        fenetre.setProcessChannelMode(QProcess::MergedChannels);
        fenetre.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--gtest_filter=%1.%2").arg(ce->test_suite_name(), ce->name())});
        ASSERT_TRUE(fenetre.waitForStarted());
        const auto finie = [&] { return fenetre.state() == QProcess::NotRunning; };

        for (int tour = 1; tour <= TOURS; ++tour) {
            attendreQue([&] { return veilleur.services.size() >= tour || finie(); }, 20000);
            if (veilleur.services.size() < tour) {
                ADD_FAILURE() << "tour " << tour << ": the icon never registered with the watcher";
                break;
            }
            QDBusMessage activer = QDBusMessage::createMethodCall(veilleur.services.last(), veilleur.chemins.last(),
                                                                  "org.kde.StatusNotifierItem", "Activate");
            activer << 0 << 0;
            connexion.asyncCall(activer);
        }
        attendreQue(finie, 30000);
        if (!finie()) {
            fenetre.kill();
            fenetre.waitForFinished();
        }
        sortie = QString::fromLocal8Bit(fenetre.readAll());
        code = fenetre.exitStatus() == QProcess::NormalExit ? fenetre.exitCode() : -1;
        EXPECT_EQ(serveur.avis, QStringList{"Kelmor\n" + QString::fromUtf8(AVIS)});
        connexion.unregisterService("org.freedesktop.Notifications");
        connexion.unregisterObject("/org/freedesktop/Notifications");
        connexion.unregisterService("org.kde.StatusNotifierWatcher");
        connexion.unregisterObject("/StatusNotifierWatcher");
    }
    QDBusConnection::disconnectFromBus(nomConnexion);
    bus.terminate();
    if (!bus.waitForFinished(5000))
        bus.kill();

    EXPECT_EQ(code, 0) << sortie.toStdString();
}

#include "clsSysTray_e2e_test.moc"
