#include "PlaceListLoader.h"

#include "PlaceListFile.h"

#include <QThread>
#include <QTimer>

#include <exception>

namespace orbelune {

TPlaceListLoader::TPlaceListLoader(TPlaceList& List, QObject* Parent)
    : QObject(Parent),
      Folders(PlaceListFolders()),
      PassPhrase(PlaceListPassPhrase()),
      List(List),
      ReleaseTimer(new QTimer(this)) {
    ReleaseTimer->setSingleShot(true);
    connect(ReleaseTimer, &QTimer::timeout, this, [this] { this->List.Release(); });
}

TPlaceListLoader::~TPlaceListLoader() {
    if (Worker == nullptr) return;
    Worker->wait();
    delete Worker;
}

bool TPlaceListLoader::Start() {
    if (List.Loaded() || Running()) return false;
    Fresh = TPlaceList();
    WorkerFailure.clear();
    Worker = QThread::create([this, Folders = Folders, PassPhrase = PassPhrase] {
        try {
            Fresh.LoadBigList(Folders, PassPhrase);
        } catch (const std::exception& Error) {
            Fresh = TPlaceList();
            WorkerFailure = QStringLiteral("The place list could not be loaded: %1.")
                                .arg(QString::fromLocal8Bit(Error.what()));
        }
    });
    Worker->setObjectName(QStringLiteral("PlaceListLoader"));
    // Queued to this object's thread: the list changes hands on the user-interface thread.
    connect(Worker, &QThread::finished, this, &TPlaceListLoader::TakeResult);
    Worker->start(QThread::LowPriority);
    return true;
}

void TPlaceListLoader::Finish() {
    if (Worker == nullptr) return;
    Worker->wait();
    TakeResult();
}

void TPlaceListLoader::TakeResult() {
    if (Worker == nullptr || !Worker->isFinished()) return;
    Worker->deleteLater();
    Worker = nullptr;
    // Start() runs only while the list is not loaded, so nothing loaded is replaced.
    if (!List.Loaded()) List = std::move(Fresh);
    Fresh = TPlaceList();
    List.Used = [this] { ReleaseTimer->start(ReleaseDelayMs); };
    ReleaseTimer->start(ReleaseDelayMs);
    emit Finished();
}

QString TPlaceListLoader::Problem() const {
    if (List.Loaded()) return {};
    return WorkerFailure.isEmpty() ? List.LoadProblem() : WorkerFailure;
}

}  // namespace orbelune
