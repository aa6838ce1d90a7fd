#pragma once
// An HTTP proxy for HTTPS requests: it demands basic authentication, then opens a
// tunnel (CONNECT) to the asked host and passes bytes both ways.

#include "FixtureServer.h"

#include <QMutex>

namespace orbelune::test {

class TTunnelProxyFixture final : public TAuthenticatingProxy {
public:
    TTunnelProxyFixture(const QString& UserName, const QString& Password);
    ~TTunnelProxyFixture() override;

    int Tunnels() const;  // tunnels opened with the right credentials

protected:
    void Answer(QTcpSocket* socket, const TRequestHead& head) override;

private:
    mutable QMutex mutex_;
    int tunnels_ = 0;
};

}  // namespace orbelune::test
