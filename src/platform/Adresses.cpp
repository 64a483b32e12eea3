#include "platform/Adresses.h"

#include <QProcessEnvironment>

Adresses Adresses::depuisEnvironnement()
{
    const auto env = QProcessEnvironment::systemEnvironment();
    Adresses a;
    auto prendre = [&env](const char* nom, QString& cible) {
        const QString v = env.value(QString::fromLatin1(nom)).trimmed();
        if (!v.isEmpty())
            cible = v;
    };
    prendre("KELMOR_BOX", a.boitier);
    prendre("KELMOR_PLAYER_HOST", a.lecteurBoitier);
    prendre("KELMOR_GUIDE", a.guide);
    prendre("KELMOR_AUDIENCE", a.audience);
    prendre("KELMOR_SITE", a.site);
    a.portReglages = portReglagesEnvironnement();
    return a;
}

quint16 Adresses::portReglagesEnvironnement()
{
    bool ok = false;
    const int port = QProcessEnvironment::systemEnvironment().value("KELMOR_PORT_REGLAGES").trimmed().toInt(&ok);
    return ok && port > 0 && port < 65536 ? quint16(port) : quint16(8080);
}
