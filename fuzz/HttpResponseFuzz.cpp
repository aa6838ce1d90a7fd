// The HTTP reply parser on any bytes, fed whole and then in pieces whose sizes come
// from the input itself; both must end in the same state.
#include "HttpResponse.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace orbelune;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    constexpr qint64 Cap = 4096;

    THttpResponse whole(Cap);
    whole.Feed(bytes);
    whole.Close();

    THttpResponse pieces(Cap);
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype length = 1 + static_cast<unsigned char>(bytes[at]) % 17;
        pieces.Feed(bytes.sliced(at, std::min(length, bytes.size() - at)));
        at += length;
    }
    pieces.Close();

    if (whole.State() != pieces.State() || whole.Body() != pieces.Body() ||
        whole.Body().size() > Cap)
        std::abort();
    return 0;
}
