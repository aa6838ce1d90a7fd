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
