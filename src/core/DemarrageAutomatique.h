#pragma once
#include <QString>

// The autostart entry that starts the program minimised ("/m") with the session.
QString EntreeDemarrageAutomatique(const QString& programme);
