#pragma once
#include <QByteArray>
#include <QString>

// Synchronous HTTP GET. The body, or an empty array on any failure
// (unreachable host, non-2xx status, time-out, body over the size cap).
class ClientWeb {
public:
    virtual ~ClientWeb() = default;
    virtual QByteArray telecharger(const QString& adresse) = 0;
};
