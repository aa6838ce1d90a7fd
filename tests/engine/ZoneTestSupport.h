// Time-zone test helpers: a TZ setting for the length of a test, and instants as
// TDateTime values.
#pragma once

#include "StDate.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace orbelune::test {

inline void SetTZ(const char* Zone) {
#ifdef _WIN32
    _putenv_s("TZ", Zone ? Zone : "");
    _tzset();
#else
    if (Zone)
        setenv("TZ", Zone, 1);
    else
        unsetenv("TZ");
    tzset();
#endif
}

// Sets TZ (and tzset) for its lifetime, then puts back what was there.
class ScopedTZ {
public:
    explicit ScopedTZ(const char* Zone) {
        if (const char* old = std::getenv("TZ")) saved_ = old;
        SetTZ(Zone);
    }
    ~ScopedTZ() { SetTZ(saved_ ? saved_->c_str() : nullptr); }
    ScopedTZ(const ScopedTZ&) = delete;
    ScopedTZ& operator=(const ScopedTZ&) = delete;

private:
    std::optional<std::string> saved_;
};

// A Unix instant as a TDateTime (only for instants after 1899-12-30).
inline TDateTime UnixToDateTime(int64_t Seconds) {
    return 25569.0 + Seconds / 86400.0;
}

inline constexpr double OneSecond = 1.0 / 86400.0;

}  // namespace orbelune::test
