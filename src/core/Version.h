#pragma once
#include <QString>

// The program's own version, as shown in the options pane and stored under VERS.
inline const QString kVersion = QStringLiteral("Version 1.4");
// Its number part (from the 9th character on).
inline const QString kNumeroVersion = QStringLiteral("1.4");
