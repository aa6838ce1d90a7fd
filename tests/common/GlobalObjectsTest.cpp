// The program-wide objects: made whole at start-up, freed at the end, and never freed
// while a worker thread that writes them still runs.
#include "GlobalObjects.h"

#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace orbelune {
namespace {

// A worker that keeps appending to the report lines until it is asked to stop (or,
// when it ignores the request, until it is released).
class TListWriter : public QThread {
public:
    explicit TListWriter(bool honourStop) : honourStop_(honourStop) {}
    std::atomic<bool> Release{false};
    std::atomic<int> Writes{0};

protected:
    void run() override {
        while (!Release && !(honourStop_ && isInterruptionRequested())) {
            ++Writes;
            msleep(1);
        }
    }

private:
    bool honourStop_;
};

TEST(GlobalObjectsTest, CreatedWholeAndFreedInFull) {
    CreateGlobalObjects();
    const TGlobalObjects& g = GlobalObjects;
    for (const auto& frame : g.RadarFrames) EXPECT_TRUE(frame && frame->isNull());
    for (const auto& frame : g.SatelliteFrames) EXPECT_TRUE(frame);
    for (std::uint8_t loaded : g.SatelliteFrameLoaded) EXPECT_EQ(loaded, 0);
    ASSERT_TRUE(g.TopoImage);
    for (const auto& layer : g.RadarLayerImages) {
        ASSERT_TRUE(layer);
        EXPECT_EQ(layer->Width, 600);
        EXPECT_EQ(layer->Height, 550);
        EXPECT_TRUE(layer->Transparent);
    }
    ASSERT_TRUE(g.RadarAnimation);
    EXPECT_EQ(g.RadarAnimation->Width, 600);
    EXPECT_TRUE(g.SiteList && g.PlaceRecordList && g.CityRecordList);
    EXPECT_TRUE(g.RadarFileList && g.WarningFileList && g.LegendFileList);
    ASSERT_TRUE(g.EclipseList);
    EXPECT_EQ(g.EclipseList->Count(), 0);

    FreeGlobalObjects();
    for (const auto& frame : g.RadarFrames) EXPECT_FALSE(frame);
    for (const auto& layer : g.RadarLayerImages) EXPECT_FALSE(layer);
    EXPECT_FALSE(g.EclipseList || g.SiteList || g.TopoImage || g.RadarAnimation);
    FreeGlobalObjects();  // freeing twice is harmless
}

TEST(GlobalObjectsTest, ShutDownStopsWorkersBeforeFreeing) {
    CreateGlobalObjects();
    TListWriter writer(true);
    writer.start();
    RegisterWorker(&writer);
    EXPECT_TRUE(WorkersRunning());
    EXPECT_TRUE(StopWorkers(5000));
    EXPECT_TRUE(writer.isFinished());
    EXPECT_FALSE(WorkersRunning());
    FreeGlobalObjects();
    EXPECT_FALSE(GlobalObjects.SiteList);
}

TEST(GlobalObjectsTest, AWorkerThatWillNotStopKeepsTheObjects) {
    CreateGlobalObjects();
    TListWriter writer(false);
    writer.start();
    RegisterWorker(&writer);
    EXPECT_FALSE(StopWorkers(50));
    FreeGlobalObjects();
    EXPECT_TRUE(GlobalObjects.SiteList);  // still there for the worker
    writer.Release = true;
    writer.wait();
    EXPECT_FALSE(WorkersRunning());
    FreeGlobalObjects();
    EXPECT_FALSE(GlobalObjects.SiteList);
}

TEST(GlobalObjectsTest, DeletedWorkersDropOut) {
    auto writer = std::make_unique<TListWriter>(true);
    writer->start();
    RegisterWorker(writer.get());
    writer->requestInterruption();
    writer->wait();
    writer.reset();
    EXPECT_FALSE(WorkersRunning());
}

}  // namespace
}  // namespace orbelune
