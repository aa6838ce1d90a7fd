// Sets the time zone (TZ) for the lifetime of the object and puts back what was there.
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace orbelune::test {

class TScopedZone {
public:
    explicit TScopedZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) saved_ = old;
        Set(zone);
    }
    ~TScopedZone() { Set(saved_ ? saved_->c_str() : nullptr); }
    TScopedZone(const TScopedZone&) = delete;
    TScopedZone& operator=(const TScopedZone&) = delete;

private:
    static void Set(const char* zone) {
#ifdef _WIN32
        _putenv_s("TZ", zone ? zone : "");
        _tzset();
#else
        if (zone)
            setenv("TZ", zone, 1);
        else
            unsetenv("TZ");
        tzset();
#endif
    }

    std::optional<std::string> saved_;
};

}  // namespace orbelune::test
