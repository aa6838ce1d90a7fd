// The radar server's directory listings on any bytes. The first byte chooses the frame
// count and whether a filter applies; the rest is the listing. Every name taken must be
// one a request path may hold, and there are exactly as many as asked for.
#include "RadarListing.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace orbelune;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const int count = 1 + data[0] % 30;
    const QString filter = data[0] & 0x80 ? QStringLiteral("Short_Warnings") : QString();
    const QByteArray listing(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const QString prefix = QStringLiteral("OKX_20");

    const std::optional<QStringList> names = ListingNames(listing, prefix, filter, count);
    if (!names) return 0;
    if (names->size() != count) std::abort();
    for (qsizetype i = 0; i < names->size(); ++i) {
        const QString& name = (*names)[i];
        if (!IsSafeListingName(name) || name.startsWith(u'.') || name.contains(u'/')) std::abort();
    }
    return 0;
}
