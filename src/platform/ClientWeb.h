#pragma once
#include "platform/Suite.h"

#include <QByteArray>
#include <QString>

// The longest wait of a check that only compares (the channel list or the version at start):
// a box that takes the connection and never answers must not hold the start for long.
inline constexpr int kDelaiVerificationMs = 3000;

// HTTP GET. The reply comes later, from the event loop: the whole body, or an empty array
// on any failure (unreachable host, non-2xx status, time-out, body over the size cap, a
// body shorter than its announced length).
class ClientWeb {
public:
    virtual ~ClientWeb() = default;
    // delaiMs: the longest wait for the whole transfer; 0 = the client's own (a download's).
    virtual void telecharger(const QString& adresse, int delaiMs, Suite<QByteArray> reponse) = 0;
};
