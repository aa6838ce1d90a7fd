// The zone readers on any bytes: a TZif file, and the same bytes as a POSIX TZ string;
// every zone read is then asked about a few instants.
#include "ZoneRules.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace orbelune;

namespace {

void Describe(const TZoneRules& rules) {
    for (const int64_t at : {INT64_C(-5000000000), INT64_C(0), INT64_C(1700000000),
                             INT64_C(4102444800), INT64_C(253402300799)})
        DescribeInstant(rules, at);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto zone = ParseTZif(bytes)) Describe(*zone);
    if (const auto rule = ParsePosixZone(bytes)) Describe(RulesOfPosixZone(*rule));
    return 0;
}
