#pragma once
// One running program per settings file. The first start takes a lock file beside the
// settings ("<settings file>.running") and listens on a local socket named after them; a later
// start finds the lock taken, asks the first over the socket to bring its window forward, and ends
// without reading or writing any setting. A lock left by a program that died is taken over.
// Where no lock file can be made (a read-only folder, a full disk) the socket alone tells:
// a start that finds no program answering it runs as the first. The lock file and the
// folders made for it are the owner's alone, whatever the umask.

#include <QList>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;

namespace orbelune {

class TSingleInstance final : public QObject {
    Q_OBJECT

public:
    // SettingsFile: the settings file the program would use.
    explicit TSingleInstance(const QString& SettingsFile, QObject* Parent = nullptr);
    ~TSingleInstance() override;

    enum class TClaim {
        First,   // the lock is ours
        Taken,   // another program holds the lock
        NoLock,  // no lock file can be made here: ask with HandOver whether one runs
    };
    TClaim Claim();
    // Takes later starts' requests from now on (a later start waits for it meanwhile);
    // not after Taken. They are answered from ForwardRequests on.
    void Listen();
    // From the message loop on, once the first program's window can come forward: emits
    // ActivationRequested for the requests held so far and for every later one, and
    // answers them.
    void ForwardRequests();

    // For a later start: asks the first program to come forward and waits up to
    // TimeoutMs for its answer, of which at most ConnectTimeoutMs (all of them when
    // negative) for a program to listen at all.
    enum class THandOver { Answered, NoAnswer, NobodyThere };
    THandOver HandOver(int TimeoutMs, int ConnectTimeoutMs = -1);

    // The local socket's name and the lock file for a settings file.
    static QString ServerName(const QString& SettingsFile);
    static QString LockFileName(const QString& SettingsFile);

signals:
    // A later start asked this program to come forward.
    void ActivationRequested();

private:
    void AnswerLaterStart();
    static void Reply(QLocalSocket* Socket, bool Asked);

    QString FSettingsFile;
    QString FServerName;
    QLockFile FLock;
    bool FMayListen = false;
    bool FForwarding = false;
    QList<QPointer<QLocalSocket>> FHeld;  // requests waiting for ForwardRequests
    QLocalServer* FServer = nullptr;
};

}  // namespace orbelune
