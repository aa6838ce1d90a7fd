// One program per settings file, within one process: the first claims, a later start
// hands over and the first is asked to come forward; a dead program's lock is taken over.
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <future>

namespace orbelune {
namespace {

TEST(SingleInstance, ALaterStartHandsOverToTheFirst) {
    QTemporaryDir folder;
    const QString settings = folder.filePath(QStringLiteral("Orbelune/orbelune.ini"));
    TSingleInstance first(settings);
    ASSERT_TRUE(first.Claim());
    first.Listen();
    int asked = 0;
    QObject::connect(&first, &TSingleInstance::ActivationRequested, [&asked] { ++asked; });

    TSingleInstance later(settings);
    EXPECT_FALSE(later.Claim());
    // The hand-over waits for the answer, which the first gives from its event loop.
    std::future<bool> handedOver =
        std::async(std::launch::async, [&later] { return later.HandOver(10000); });
    const QDeadlineTimer deadline(15000);
    while (handedOver.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready &&
           !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_EQ(handedOver.wait_for(std::chrono::seconds(0)), std::future_status::ready);
    EXPECT_TRUE(handedOver.get());
    EXPECT_EQ(asked, 1);

    // Another settings file is another program.
    TSingleInstance other(folder.filePath(QStringLiteral("elsewhere/orbelune.ini")));
    EXPECT_TRUE(other.Claim());
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
    EXPECT_TRUE(instance.Claim());
}

TEST(SingleInstance, NoAnswerWithoutAFirstProgram) {
    QTemporaryDir folder;
    TSingleInstance alone(folder.filePath(QStringLiteral("orbelune.ini")));
    EXPECT_FALSE(alone.HandOver(300));
}

}  // namespace
}  // namespace orbelune
