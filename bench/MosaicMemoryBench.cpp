// The peak memory of a mosaic request's pictures: its GIF planned, read and composed as
// the Radar tab does (every frame kept, as the loop keeps them), for a hostile file of
// 699 bytes whose 30 frames each claim 5000 x 5000 pixels, beside the reference of a
// genuine regional loop of ten 600 x 571 frames. Each is measured in a child process of
// its own (the growth of its peak resident size), so that neither sees the other's.
#include <benchmark/benchmark.h>

#include "RadarMosaic.h"
#include "TestGif.h"

#include <QList>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

namespace orbelune {
namespace {

constexpr int RegionalMosaic = 2;
constexpr qint64 PictureMaxBytes = 256 * 1024 * 1024;

long ResidentKb() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void ShowMosaic(const QByteArray& Gif, long double Zoom) {
    const TMosaicPlan plan = PlanMosaic(Gif, RegionalMosaic, 30, Zoom, PictureMaxBytes);
    if (plan.Frames == 0) return;
    const std::optional<TGifFrames> frames = ReadGifFrames(Gif, plan.Frames);
    if (!frames) return;
    QList<QImage> composed;
    for (const QImage& frame : frames->Frames)
        composed << ComposeMosaicFrame(frame, RegionalMosaic, Zoom, false, {});
    benchmark::DoNotOptimize(composed);
}

// The growth of the peak resident size, in megabytes, of showing Gif in a child.
double PeakGrowthMb(const QByteArray& Gif, long double Zoom) {
    int pipe[2];
    if (::pipe(pipe) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        const long before = ResidentKb();
        ShowMosaic(Gif, Zoom);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const double grown = (usage.ru_maxrss - before) / 1024.0;
        (void)!write(pipe[1], &grown, sizeof grown);
        _exit(0);
    }
    double grown = -1;
    (void)!read(pipe[0], &grown, sizeof grown);
    waitpid(child, nullptr, 0);
    close(pipe[0]);
    close(pipe[1]);
    return grown;
}

QByteArray RegionalLoop() {
    QList<QImage> frames;
    for (int i = 0; i < 10; ++i) {
        QImage frame(600, 571, QImage::Format_RGB32);
        frame.fill(qRgb(20 * i, 100, 200 - 10 * i));
        frames << frame;
    }
    return test::TestAnimatedGif(frames, 25);
}

void BM_MosaicPeakMemory(benchmark::State& State) {
    const long double zoom = State.range(0);
    const QByteArray hostile = test::TestClaimingGif(30, QSize(5000, 5000));
    const QByteArray reference = RegionalLoop();
    for (auto _ : State) {
        const double hostileMb = PeakGrowthMb(hostile, zoom);
        const double referenceMb = PeakGrowthMb(reference, zoom);
        State.counters["hostile_MB"] = hostileMb;
        State.counters["reference_MB"] = referenceMb;
        State.counters["hostile_over_reference"] = referenceMb > 0 ? hostileMb / referenceMb : 0;
    }
}
BENCHMARK(BM_MosaicPeakMemory)->Arg(1)->Arg(2)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbelune
