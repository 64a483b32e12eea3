#pragma once
#include <QByteArray>
#include <QString>

// The longest wait of a check that only compares (the channel list or the version at start):
// a box that takes the connection and never answers must not hold the start for long.
inline constexpr int kDelaiVerificationMs = 3000;

// Synchronous HTTP GET. The body, or an empty array on any failure
// (unreachable host, non-2xx status, time-out, body over the size cap).
class ClientWeb {
public:
    virtual ~ClientWeb() = default;
    // delaiMs: the longest wait for the whole transfer; 0 = the client's own (a download's).
    virtual QByteArray telecharger(const QString& adresse, int delaiMs = 0) = 0;
};
