#pragma once
// Sets the time zone (TZ) for the lifetime of the object and restores the previous one.

#include <QByteArray>
#include <QtGlobal>

#include <ctime>

namespace orbelune::test {

class TScopedZone {
public:
    explicit TScopedZone(const char* zone)
        : old_(qgetenv("TZ")), had_(qEnvironmentVariableIsSet("TZ")) {
        qputenv("TZ", zone);
        tzset();
    }
    ~TScopedZone() {
        if (had_)
            qputenv("TZ", old_);
        else
            qunsetenv("TZ");
        tzset();
    }
    TScopedZone(const TScopedZone&) = delete;
    TScopedZone& operator=(const TScopedZone&) = delete;

private:
    QByteArray old_;
    bool had_;
};

}  // namespace orbelune::test
