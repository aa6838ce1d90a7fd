#pragma once
// One running program per settings file. The first start takes a lock file beside the
// settings ("<settings file>.running") and listens on a local socket named after them; a later
// start finds the lock taken, asks the first over the socket to bring its window forward, and ends
// without reading or writing any setting. A lock left by a program that died is taken over.
// Where no lock file can be made (a read-only folder, a full disk) the socket alone tells:
// a start that finds no program answering it runs as the first. The lock file and the
// folders made for it are the owner's alone, whatever the umask.

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

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
    // Answers later starts from now on (once the first program can come forward); a
    // later start waits for it meanwhile. Not after Taken.
    void Listen();

    // For a later start: asks the first program to come forward and waits up to
    // TimeoutMs for its answer; true when it answered.
    bool HandOver(int TimeoutMs);

    // The local socket's name and the lock file for a settings file.
    static QString ServerName(const QString& SettingsFile);
    static QString LockFileName(const QString& SettingsFile);

signals:
    // A later start asked this program to come forward.
    void ActivationRequested();

private:
    void AnswerLaterStart();

    QString FSettingsFile;
    QString FServerName;
    QLockFile FLock;
    bool FMayListen = false;
    QLocalServer* FServer = nullptr;
};

}  // namespace orbelune
