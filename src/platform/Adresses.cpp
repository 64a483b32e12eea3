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
    return a;
}
