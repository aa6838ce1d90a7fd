// Sets the time zone of the benchmark process.
#pragma once

#include <cstdlib>
#include <ctime>

namespace orbelune {

inline void UseZone(const char* Zone) {
#ifdef _WIN32
    _putenv_s("TZ", Zone);
    _tzset();
#else
    setenv("TZ", Zone, 1);
    tzset();
#endif
}

}  // namespace orbelune
