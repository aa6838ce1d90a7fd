// One program per settings file, within one process: the first claims, a later start
// hands over and the first is asked to come forward; a dead program's lock is taken over.
#include "SingleInstance.h"

#include "FileFaults.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <future>

#include <sys/stat.h>

namespace orbelune {
namespace {

using THandOver = TSingleInstance::THandOver;

// The hand-over of Later waits for the answer, which the first gives from the event loop
// this runs meanwhile; after HoldMs of it, Meanwhile runs (while the hand-over waits).
THandOver HandOver(TSingleInstance& Later, int HoldMs = 0,
                   const std::function<void()>& Meanwhile = {}) {
    std::future<THandOver> handedOver =
        std::async(std::launch::async, [&Later] { return Later.HandOver(10000, 500); });
    const QDeadlineTimer deadline(15000);
    const QDeadlineTimer hold(HoldMs);
    bool held = !Meanwhile;
    while (handedOver.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready &&
           !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (!held && hold.hasExpired()) {
            held = true;
            Meanwhile();
        }
    }
    return handedOver.wait_for(std::chrono::seconds(0)) == std::future_status::ready
               ? handedOver.get()
               : THandOver::NoAnswer;
}

TEST(SingleInstance, ALaterStartHandsOverToTheFirst) {
    QTemporaryDir folder;
    const QString settings = folder.filePath(QStringLiteral("Orbelune/orbelune.ini"));
    // Under a umask that keeps nothing back, the folder made and the lock are the owner's.
    const mode_t mask = umask(0);
    TSingleInstance first(settings);
    const TSingleInstance::TClaim claimed = first.Claim();
    umask(mask);
    ASSERT_EQ(claimed, TSingleInstance::TClaim::First);
    constexpr auto OwnerGroupOther = QFileDevice::Permissions(0x7077);
    EXPECT_EQ(QFileInfo(folder.filePath("Orbelune")).permissions() & OwnerGroupOther,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(QFileInfo(TSingleInstance::LockFileName(settings)).permissions() & OwnerGroupOther,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    first.Listen();
    int asked = 0;
    QObject::connect(&first, &TSingleInstance::ActivationRequested, [&asked] { ++asked; });

    TSingleInstance later(settings);
    EXPECT_EQ(later.Claim(), TSingleInstance::TClaim::Taken);
    // The request waits, unanswered, until the first can come forward.
    int askedMeanwhile = -1;
    EXPECT_EQ(HandOver(later, 300,
                       [&] {
                           askedMeanwhile = asked;
                           first.ForwardRequests();
                       }),
              THandOver::Answered);
    EXPECT_EQ(askedMeanwhile, 0);
    EXPECT_EQ(asked, 1);

    // Another settings file is another program.
    TSingleInstance other(folder.filePath(QStringLiteral("elsewhere/orbelune.ini")));
    EXPECT_EQ(other.Claim(), TSingleInstance::TClaim::First);
}

TEST(SingleInstance, ALockLeftByADeadProgramIsTakenOver) {
    QTemporaryDir folder;
    const QString settings = folder.filePath(QStringLiteral("orbelune.ini"));
    QFile lock(TSingleInstance::LockFileName(settings));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    // The lock file's own form: process id, program name, host name.
    lock.write(QByteArrayLiteral("2147480000\n") + QCoreApplication::applicationName().toUtf8() +
               '\n' + QSysInfo::machineHostName().toUtf8() + '\n');
    lock.close();
    TSingleInstance instance(settings);
    EXPECT_EQ(instance.Claim(), TSingleInstance::TClaim::First);
}

// Where no lock file can be made (here: no file may grow), the first start finds nobody
// answering and runs; a later one finds it answering.
TEST(SingleInstance, WithoutALockFileTheSocketTells) {
    QTemporaryDir folder;
    const QString settings = folder.filePath(QStringLiteral("orbelune.ini"));
    const test::TFileSizeLimit nothing(0);
    TSingleInstance first(settings);
    ASSERT_EQ(first.Claim(), TSingleInstance::TClaim::NoLock);
    EXPECT_EQ(first.HandOver(10000, 300), THandOver::NobodyThere);
    first.Listen();
    first.ForwardRequests();
    TSingleInstance later(settings);
    ASSERT_EQ(later.Claim(), TSingleInstance::TClaim::NoLock);
    EXPECT_EQ(HandOver(later), THandOver::Answered);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
}

TEST(SingleInstance, NoAnswerWithoutAFirstProgram) {
    QTemporaryDir folder;
    TSingleInstance alone(folder.filePath(QStringLiteral("orbelune.ini")));
    EXPECT_EQ(alone.HandOver(300), THandOver::NobodyThere);
}

}  // namespace
}  // namespace orbelune
