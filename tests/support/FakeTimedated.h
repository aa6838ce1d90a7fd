#pragma once
// A stand-in for systemd-timedated on a test's private bus: it reports the NTP switches
// it is given, records every SetTime call, and accepts it or answers with an error.

#include <QDBusConnection>
#include <QDBusContext>
#include <QList>
#include <QObject>
#include <QString>

namespace orbelune::test {

class TFakeTimedated : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.timedate1")
    Q_PROPERTY(bool NTP READ NtpOn)
    Q_PROPERTY(bool NTPSynchronized READ NtpSynchronized)

public:
    struct TSetTimeCall {
        qlonglong Microseconds = 0;
        bool Relative = false;
        bool Interactive = false;
        bool AuthorisationAllowed = false;  // the message's own flag
    };

    bool Ntp = false;
    bool Synchronized = false;
    QString RefuseWith;  // an error name; empty accepts every call
    QList<TSetTimeCall> Calls;

    // Takes the service name and object path on Bus.
    bool Register(QDBusConnection Bus);

    bool NtpOn() const { return Ntp; }
    bool NtpSynchronized() const { return Synchronized; }

public slots:
    void SetTime(qlonglong usec_utc, bool relative, bool interactive);
};

}  // namespace orbelune::test
