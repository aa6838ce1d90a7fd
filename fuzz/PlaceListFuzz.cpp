// The place list on any bytes. The first byte chooses: 'F' reads the rest as a
// place-list file (deciphered and inflated under the program's pass phrase, with a
// small cap); anything else takes the rest as an inflated list and runs every lookup
// over it.
#include "PlaceList.h"
#include "PlaceListFile.h"

#include <cstddef>
#include <cstdint>

using namespace orbelune;

namespace {

void LookUp(const QStringList& lines) {
    TPlaceList list;
    list.SetSiteList(lines);
    list.CountryPlaces(QStringLiteral("France"));
    list.StatePlaces(QStringLiteral("NY"));
    list.ForecastCities(QStringLiteral("NY"));
    list.FindZip(QStringLiteral("10001"));
    for (const bool unitedStates : {false, true}) {
        list.FindClosest(TLatLon{40.78, -73.97}, unitedStates, unitedStates);
        for (qsizetype i = 0; i < std::min<qsizetype>(lines.size(), 8); ++i)
            list.ChoosePlace(lines[i], unitedStates, !unitedStates);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const QByteArrayView rest(reinterpret_cast<const char*>(data) + 1,
                              static_cast<qsizetype>(size - 1));
    if (data[0] == 'F') {
        static const QByteArray passPhrase = PlaceListPassPhrase();
        const TPlaceListText text = DecodePlaceList(rest, passPhrase, 1024 * 1024);
        if (text.Ok) LookUp(QString::fromUtf8(text.Text).split(QLatin1Char('\n')));
    } else {
        LookUp(QString::fromUtf8(rest).split(QLatin1Char('\n')));
    }
    return 0;
}
