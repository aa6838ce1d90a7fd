#include "SingleInstance.h"

#include "SafeFile.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <algorithm>
#include <utility>

namespace orbelune {

namespace {

const QByteArray Request = QByteArrayLiteral("activate\n");
const QByteArray Answer = QByteArrayLiteral("activated\n");
// How long a later start keeps trying to reach a first program that is still starting.
constexpr int ConnectRetryMs = 100;

}  // namespace

TSingleInstance::TSingleInstance(const QString& SettingsFile, QObject* Parent)
    : QObject(Parent),
      FSettingsFile(SettingsFile),
      FServerName(ServerName(SettingsFile)),
      FLock(LockFileName(SettingsFile)) {
    setObjectName(QStringLiteral("SingleInstance"));
    FLock.setStaleLockTime(0);  // only a lock whose program is gone is stale
    MakeOwnerOnlyFolder(QFileInfo(SettingsFile).absolutePath());
}

TSingleInstance::~TSingleInstance() = default;

QString TSingleInstance::LockFileName(const QString& SettingsFile) {
    // Not "<file>.lock": the settings store locks that one while it writes.
    return SettingsFile + QStringLiteral(".running");
}

QString TSingleInstance::ServerName(const QString& SettingsFile) {
    const QByteArray digest = QCryptographicHash::hash(
        QFileInfo(SettingsFile).absoluteFilePath().toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("orbelune-") + QString::fromLatin1(digest.toHex().left(24));
}

TSingleInstance::TClaim TSingleInstance::Claim() {
    {
        const TOwnerOnlyCreation ownerOnly;  // QLockFile makes its file 0666 less the umask
        if (FLock.tryLock(0)) {
            FMayListen = true;
            return TClaim::First;
        }
    }
    // A lock that is there but cannot be replaced where nothing can be written may be a
    // dead program's: the socket tells.
    if (FLock.error() == QLockFile::LockFailedError &&
        WhyNothingCanBeWrittenBeside(FSettingsFile).isEmpty())
        return TClaim::Taken;
    FMayListen = true;
    return TClaim::NoLock;
}

void TSingleInstance::Listen() {
    if (FServer != nullptr || !FMayListen) return;
    // Nobody answered under the name: a socket left there is a dead program's.
    QLocalServer::removeServer(FServerName);
    FServer = new QLocalServer(this);
    FServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(FServer, &QLocalServer::newConnection, this, &TSingleInstance::AnswerLaterStart);
    FServer->listen(FServerName);
}

void TSingleInstance::ForwardRequests() {
    // From the message loop, as a request that comes later would be.
    QMetaObject::invokeMethod(
        this,
        [this] {
            FForwarding = true;
            if (FHeld.isEmpty()) return;
            emit ActivationRequested();
            for (QLocalSocket* socket : std::exchange(FHeld, {}))
                if (socket != nullptr) Reply(socket, true);
        },
        Qt::QueuedConnection);
}

void TSingleInstance::Reply(QLocalSocket* Socket, bool Asked) {
    Socket->write(Asked ? Answer : QByteArrayLiteral("?\n"));
    Socket->disconnectFromServer();
}

void TSingleInstance::AnswerLaterStart() {
    while (QLocalSocket* socket = FServer->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) return;
            const bool asked = socket->readLine(64) == Request;
            // The answer says the window came forward: until it can, the request waits.
            if (asked && !FForwarding) {
                FHeld.append(socket);
                return;
            }
            if (asked) emit ActivationRequested();
            Reply(socket, asked);
        });
    }
}

TSingleInstance::THandOver TSingleInstance::HandOver(int TimeoutMs, int ConnectTimeoutMs) {
    const QDeadlineTimer deadline(TimeoutMs);
    const QDeadlineTimer connectDeadline(ConnectTimeoutMs < 0 ? TimeoutMs : ConnectTimeoutMs);
    QLocalSocket socket;
    // The first program may hold the lock and not listen yet.
    for (;;) {
        socket.connectToServer(FServerName);
        if (socket.waitForConnected(
                static_cast<int>(std::max<qint64>(connectDeadline.remainingTime(), 0))))
            break;
        if (connectDeadline.hasExpired()) return THandOver::NobodyThere;
        QThread::msleep(ConnectRetryMs);
    }
    socket.write(Request);
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
        return THandOver::NoAnswer;
    while (!socket.canReadLine())
        if (deadline.hasExpired() ||
            !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            return THandOver::NoAnswer;
    return socket.readLine(64) == Answer ? THandOver::Answered : THandOver::NoAnswer;
}

}  // namespace orbelune
