#pragma once
// The program-wide objects that live from the clock window's creation to its
// destruction: the place lists and the eclipse list; and the register of the worker
// threads that write them, so that shut-down can stop those first. (The radar and
// satellite images belong to their states in weather/.)

#include "StEclpse.h"

#include <QStringList>

#include <memory>

class QThread;

namespace orbelune {

struct TGlobalObjects {
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
