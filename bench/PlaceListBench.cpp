// Loading the place list (about 54,000 records) and the selections the Set tab and the
// Weather tab run on it; each must stay well under 100 ms so the window never stalls.
// The references measured beside them: inflating the same bytes with zlib alone, and
// one pass over every line.
#include <benchmark/benchmark.h>

#include "PlaceList.h"
#include "PlaceListFile.h"

#include <QFile>

#include <zlib.h>

namespace orbelune {
namespace {

const QByteArray& FileBytes() {
    static const QByteArray Bytes = [] {
        QFile File(QStringLiteral(ORBELUNE_SOURCE_DIR "/resources/sitename.dat"));
        return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
    }();
    return Bytes;
}

const TPlaceList& Loaded() {
    static const TPlaceList List = [] {
        TPlaceList L;
        L.LoadBytes(FileBytes(), PlaceListPassPhrase(), QStringLiteral("sitename.dat"));
        return L;
    }();
    return List;
}

void BM_LoadBigList(benchmark::State& State) {
    const QByteArray Pass = PlaceListPassPhrase();
    for (auto _ : State) {
        TPlaceList List;
        benchmark::DoNotOptimize(List.LoadBytes(FileBytes(), Pass, QString()));
        if (List.Count() < TPlaceList::LastUsPlace) State.SkipWithError("not loaded");
    }
}
BENCHMARK(BM_LoadBigList)->Unit(benchmark::kMillisecond);

// Reference: zlib alone inflating the same text from a plain deflate stream.
void BM_ReferenceInflate(benchmark::State& State) {
    const QByteArray Text = DecodePlaceList(FileBytes(), PlaceListPassPhrase()).Text;
    QByteArray Packed(static_cast<qsizetype>(compressBound(Text.size())), '\0');
    uLongf PackedSize = Packed.size();
    compress2(reinterpret_cast<Bytef*>(Packed.data()), &PackedSize,
              reinterpret_cast<const Bytef*>(Text.data()), Text.size(), 9);
    QByteArray Out(Text.size(), '\0');
    for (auto _ : State) {
        uLongf OutSize = Out.size();
        uncompress(reinterpret_cast<Bytef*>(Out.data()), &OutSize,
                   reinterpret_cast<const Bytef*>(Packed.data()), PackedSize);
        benchmark::DoNotOptimize(Out.data());
    }
}
BENCHMARK(BM_ReferenceInflate)->Unit(benchmark::kMillisecond);

void BM_ReferenceScanEveryLine(benchmark::State& State) {
    for (auto _ : State) {
        qsizetype Separators = 0;
        for (int I = 0; I < Loaded().Count(); ++I)
            Separators += Loaded().Line(I).count(QLatin1Char(';'));
        benchmark::DoNotOptimize(Separators);
    }
}
BENCHMARK(BM_ReferenceScanEveryLine)->Unit(benchmark::kMillisecond);

// The largest state's places (Texas) and the country with the most records (Canada).
void BM_StatePlacesTexas(benchmark::State& State) {
    for (auto _ : State) benchmark::DoNotOptimize(Loaded().StatePlaces(QStringLiteral("TX")));
}
BENCHMARK(BM_StatePlacesTexas)->Unit(benchmark::kMillisecond);

void BM_CountryPlacesCanada(benchmark::State& State) {
    for (auto _ : State) benchmark::DoNotOptimize(Loaded().CountryPlaces(QStringLiteral("Canada")));
}
BENCHMARK(BM_CountryPlacesCanada)->Unit(benchmark::kMillisecond);

void BM_ForecastCitiesTexas(benchmark::State& State) {
    for (auto _ : State) benchmark::DoNotOptimize(Loaded().ForecastCities(QStringLiteral("TX")));
}
BENCHMARK(BM_ForecastCitiesTexas)->Unit(benchmark::kMillisecond);

void BM_FindZip(benchmark::State& State) {
    for (auto _ : State) benchmark::DoNotOptimize(Loaded().FindZip(QStringLiteral("99950")));
}
BENCHMARK(BM_FindZip)->Unit(benchmark::kMillisecond);

void BM_FindClosest(benchmark::State& State) {
    for (auto _ : State)
        benchmark::DoNotOptimize(Loaded().FindClosest(TLatLon{40.75L, -73.99L}, true, false));
}
BENCHMARK(BM_FindClosest)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbelune
