#pragma once
// A D-Bus daemon of the test's own, listening on a socket in a temporary folder, so a
// test never reaches the machine's system or session bus. Stopped with the object.

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace orbelune::test {

class TPrivateBus {
public:
    TPrivateBus();
    ~TPrivateBus();
    TPrivateBus(const TPrivateBus&) = delete;
    TPrivateBus& operator=(const TPrivateBus&) = delete;

    // Empty when the daemon could not be started.
    QString Address() const { return address_; }
    // A new connection to the bus under a name unique in this process.
    QDBusConnection Connect(const QString& Name);

private:
    QTemporaryDir folder_;
    QProcess daemon_;
    QString address_;
    QStringList names_;
};

}  // namespace orbelune::test
