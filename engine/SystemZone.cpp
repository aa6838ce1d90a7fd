// Reading the machine's zone: $TZ or /etc/localtime, and the C library fallback.
#include "SystemZone.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace orbelune {

namespace {

// TZif files are a few kilobytes; anything far larger is not one.
constexpr std::streamsize MaxZoneFileSize = 1 << 20;
constexpr int64_t SecondsPerDay = 86400;

std::optional<std::string> ReadSmallFile(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<size_t>(MaxZoneFileSize) + 1, '\0');
    in.read(bytes.data(), MaxZoneFileSize + 1);
    const std::streamsize got = in.gcount();
    if (got <= 0 || got > MaxZoneFileSize) return std::nullopt;
    bytes.resize(static_cast<size_t>(got));
    return bytes;
}

std::string ZoneFolder() {
    const char* dir = std::getenv("TZDIR");
    return dir && *dir ? dir : "/usr/share/zoneinfo";
}

struct LocalSample {
    bool Valid = false;
    TZoneType Type;
};

LocalSample SampleAt(int64_t At) {
    const std::time_t t = static_cast<std::time_t>(At);
    if (static_cast<int64_t>(t) != At) return {};
    std::tm local{};
    LocalSample sample;
#ifdef _WIN32
    if (localtime_s(&local, &t) != 0) return {};
    std::tm copy = local;
    sample.Type.Offset = static_cast<int32_t>(_mkgmtime(&copy) - t);
    sample.Type.Name = _tzname[local.tm_isdst > 0 ? 1 : 0];
#else
    if (!localtime_r(&t, &local)) return {};
    sample.Type.Offset = static_cast<int32_t>(local.tm_gmtoff);
    sample.Type.Name = local.tm_zone ? local.tm_zone : "";
#endif
    sample.Type.IsDaylight = local.tm_isdst > 0;
    sample.Valid = true;
    return sample;
}

bool SameType(const TZoneType& A, const TZoneType& B) {
    return A.Offset == B.Offset && A.IsDaylight == B.IsDaylight && A.Name == B.Name;
}

}  // namespace

TSystemZone LoadSystemZone() {
    TSystemZone zone;
    const char* tz = std::getenv("TZ");
    std::string path = "/etc/localtime";
    std::string text;
    if (tz) {
        text = tz;
        if (!text.empty() && text[0] == ':') text.erase(0, 1);
        if (text.empty()) {
            // An empty TZ means Universal Time.
            zone.Known = true;
            zone.Rules = RulesOfPosixZone(*ParsePosixZone("UTC0"));
            return zone;
        }
        if (text[0] == '/')
            path = text;
        else if (text.find("..") == std::string::npos)
            path = ZoneFolder() + "/" + text;
        else
            path.clear();
    }
    const std::optional<std::string> bytes = path.empty() ? std::nullopt : ReadSmallFile(path);
    if (bytes) {
        zone.Known = true;
        zone.Rules = ParseTZif(*bytes);  // a file the parser refuses: ask the C library
        return zone;
    }
    if (tz) {
        if (const auto posix = ParsePosixZone(text)) {
            zone.Known = true;
            zone.Rules = RulesOfPosixZone(*posix);
        }
    }
#ifdef _WIN32
    // Windows keeps its zone in the registry, which the C library reads for us.
    if (!tz) zone.Known = true;
#endif
    return zone;
}

std::string SystemZoneStamp() {
    if (const char* tz = std::getenv("TZ")) return std::string("TZ=") + tz;
    std::error_code error;
    const auto target = std::filesystem::canonical("/etc/localtime", error);
    if (error) return "no zone";
    const auto written = std::filesystem::last_write_time(target, error);
    return target.string() + "@" + std::to_string(error ? 0 : written.time_since_epoch().count());
}

std::optional<TZoneInstant> SampleLocalTime(int64_t At) {
    const LocalSample now = SampleAt(At);
    if (!now.Valid) return std::nullopt;
    int64_t year;
    int month, day;
    const int64_t days = At / SecondsPerDay - (At % SecondsPerDay < 0 ? 1 : 0);
    CivilFromDays(days, year, month, day);
    const int64_t first = DaysFromCivil(year, 1, 1) * SecondsPerDay;
    const int64_t last = DaysFromCivil(year + 1, 1, 1) * SecondsPerDay;

    // The year as a zone of its own: the type at its start and every change found by
    // daily samples, each pinned to the second by bisection.
    TZoneRules rules;
    LocalSample previous = SampleAt(first);
    if (!previous.Valid) return std::nullopt;
    rules.Types.push_back(previous.Type);
    for (int64_t t = first + SecondsPerDay; t <= last; t += SecondsPerDay) {
        const LocalSample next = SampleAt(t);
        if (!next.Valid) return std::nullopt;
        if (!SameType(next.Type, previous.Type)) {
            int64_t lo = t - SecondsPerDay, hi = t;
            while (hi - lo > 1) {
                const int64_t mid = lo + (hi - lo) / 2;
                const LocalSample probe = SampleAt(mid);
                if (probe.Valid && SameType(probe.Type, previous.Type))
                    lo = mid;
                else
                    hi = mid;
            }
            rules.Types.push_back(next.Type);
            rules.Transitions.push_back({hi, static_cast<int>(rules.Types.size() - 1)});
        }
        previous = next;
    }
    if (rules.Transitions.empty()) rules.Types[0] = now.Type;
    return DescribeInstant(rules, At);
}

std::optional<TZoneInstant> DescribeSystemInstant(const TSystemZone& Zone, int64_t At) {
    if (!Zone.Known) return std::nullopt;
    if (Zone.Rules) return DescribeInstant(*Zone.Rules, At);
    return SampleLocalTime(At);
}

}  // namespace orbelune
