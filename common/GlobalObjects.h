#pragma once
// The program-wide objects that live from the clock window's creation to its
// destruction: radar and satellite frames, the radar layers and animation, the
// file and place lists and the eclipse list; and the register of the worker
// threads that write them, so that shut-down can stop those first.

#include "StEclpse.h"

#include <QImage>
#include <QList>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>

class QThread;

namespace orbelune {

// An image that may hold several frames (the radar layers hold one).
struct TGifImage {
    int Width = 600;
    int Height = 550;
    bool Transparent = true;
    QList<QImage> Frames;
    QList<int> FrameDelays;
};

inline constexpr int RadarFrameCount = 30;
inline constexpr int SatelliteFrameCount = 10;
inline constexpr int RadarLayerCount = 8;  // radar, counties, rivers, highways, cities,
                                           // warnings, range rings, legend

struct TGlobalObjects {
    std::array<std::unique_ptr<QImage>, RadarFrameCount> RadarFrames;
    std::array<std::unique_ptr<QImage>, SatelliteFrameCount> SatelliteFrames;
    std::array<std::uint8_t, SatelliteFrameCount> SatelliteFrameLoaded{};
    std::unique_ptr<QImage> TopoImage;
    std::array<std::unique_ptr<TGifImage>, RadarLayerCount> RadarLayerImages;
    std::unique_ptr<TGifImage> RadarAnimation;
    std::unique_ptr<QStringList> RadarFileList;
    std::unique_ptr<QStringList> WarningFileList;
    std::unique_ptr<QStringList> LegendFileList;
    std::unique_ptr<QStringList> SiteList;
    std::unique_ptr<QStringList> PlaceRecordList;
    std::unique_ptr<QStringList> CityRecordList;
    std::unique_ptr<TStEclipses> EclipseList;
};

extern TGlobalObjects GlobalObjects;

void CreateGlobalObjects();
// Frees them in the reverse order, each only when it exists. Nothing is freed while a
// registered worker thread still runs (it could still write them).
void FreeGlobalObjects();

// Worker threads that write the objects register once started; a thread that has
// finished or been deleted drops out by itself.
void RegisterWorker(QThread* Worker);
// Asks every registered worker to stop and waits up to TimeoutMs in all; true when
// none is left running.
bool StopWorkers(int TimeoutMs);
bool WorkersRunning();

}  // namespace orbelune
