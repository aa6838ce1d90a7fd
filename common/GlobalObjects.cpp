#include "GlobalObjects.h"

#include <QDeadlineTimer>
#include <QPointer>
#include <QThread>

namespace orbelune {

TGlobalObjects GlobalObjects;

namespace {

QList<QPointer<QThread>>& Workers() {
    static QList<QPointer<QThread>> workers;
    return workers;
}

void DropFinishedWorkers() {
    Workers().removeIf([](const QPointer<QThread>& t) { return t.isNull() || !t->isRunning(); });
}

}  // namespace

void CreateGlobalObjects() {
    TGlobalObjects& g = GlobalObjects;
    for (auto& frame : g.RadarFrames) frame = std::make_unique<QImage>();
    for (auto& frame : g.SatelliteFrames) frame = std::make_unique<QImage>();
    g.SatelliteFrameLoaded.fill(0);
    g.TopoImage = std::make_unique<QImage>();
    for (auto& layer : g.RadarLayerImages) layer = std::make_unique<TGifImage>();
    g.RadarAnimation = std::make_unique<TGifImage>();
    g.RadarFileList = std::make_unique<QStringList>();
    g.WarningFileList = std::make_unique<QStringList>();
    g.LegendFileList = std::make_unique<QStringList>();
    g.SiteList = std::make_unique<QStringList>();
    g.PlaceRecordList = std::make_unique<QStringList>();
    g.CityRecordList = std::make_unique<QStringList>();
    g.EclipseList = std::make_unique<TStEclipses>();
}

void FreeGlobalObjects() {
    if (WorkersRunning()) return;
    TGlobalObjects& g = GlobalObjects;
    g.EclipseList.reset();
    g.CityRecordList.reset();
    g.PlaceRecordList.reset();
    g.SiteList.reset();
    g.LegendFileList.reset();
    g.WarningFileList.reset();
    g.RadarFileList.reset();
    g.RadarAnimation.reset();
    for (auto it = g.RadarLayerImages.rbegin(); it != g.RadarLayerImages.rend(); ++it) it->reset();
    g.TopoImage.reset();
    for (auto& frame : g.SatelliteFrames) frame.reset();
    for (auto& frame : g.RadarFrames) frame.reset();
}

void RegisterWorker(QThread* Worker) {
    DropFinishedWorkers();
    if (Worker != nullptr) Workers().append(Worker);
}

bool StopWorkers(int TimeoutMs) {
    DropFinishedWorkers();
    for (const QPointer<QThread>& t : Workers())
        if (t) t->requestInterruption();
    const QDeadlineTimer deadline(TimeoutMs);
    for (const QPointer<QThread>& t : Workers())
        if (t) t->wait(deadline);
    return !WorkersRunning();
}

bool WorkersRunning() {
    DropFinishedWorkers();
    return !Workers().isEmpty();
}

}  // namespace orbelune
