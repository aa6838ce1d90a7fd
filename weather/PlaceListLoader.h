#pragma once
// Loads the place list off the user-interface thread. Reading, deciphering and
// inflating the file takes tens of milliseconds, long enough to hold up a window that
// is being shown, so a worker thread loads a list of its own and the loader hands it
// over to the program's list on the user-interface thread. The loader lives on that
// thread; the worker touches nothing but its own list.
//
// Once lookups stop for ReleaseDelayMs, the loader lets the list's text go: the program
// stays on screen all day, and the next lookup reads the file again.

#include "PlaceList.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class QThread;
class QTimer;

namespace orbelune {

class TPlaceListLoader final : public QObject {
    Q_OBJECT

public:
    explicit TPlaceListLoader(TPlaceList& List, QObject* Parent = nullptr);
    // Waits for a load still running.
    ~TPlaceListLoader() override;

    // Where the file is looked for, and its pass phrase: the program's own unless a
    // test changes them before the first load.
    QStringList Folders;
    QByteArray PassPhrase;
    // How long the text stays after the last lookup.
    int ReleaseDelayMs = 3000;

    // Starts a load unless the list is loaded or a load is running; false when none
    // was started. A failed load may be started again.
    bool Start();
    bool Running() const { return Worker != nullptr; }
    // Waits for a running load and hands its list over now, announcing Finished.
    void Finish();
    // Why the list is not loaded after a load ended; empty while it is loaded.
    QString Problem() const;

signals:
    // A load ended (the program's list says whether it is loaded).
    void Finished();

private:
    void TakeResult();

    TPlaceList& List;
    QTimer* ReleaseTimer;
    QThread* Worker = nullptr;
    TPlaceList Fresh;       // the worker's own list, read only after it has ended
    QString WorkerFailure;  // set by the worker when loading threw
};

}  // namespace orbelune
