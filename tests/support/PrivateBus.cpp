#include "PrivateBus.h"

#include <QDeadlineTimer>
#include <QFile>

namespace orbelune::test {

namespace {

constexpr int StartLimitMs = 10000;

// Any connection may own any name and call anything: the bus only carries one test.
QByteArray Configuration(const QString& Folder) {
    return "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
           " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
           "<busconfig>\n"
           "  <type>session</type>\n"
           "  <listen>unix:dir=" +
           Folder.toUtf8() +
           "</listen>\n"
           "  <auth>EXTERNAL</auth>\n"
           "  <policy context=\"default\">\n"
           "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
           "    <allow eavesdrop=\"true\"/>\n"
           "    <allow own=\"*\"/>\n"
           "  </policy>\n"
           "</busconfig>\n";
}

}  // namespace

TPrivateBus::TPrivateBus() {
    if (!folder_.isValid()) return;
    const QString config = folder_.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(Configuration(folder_.path())) < 0) return;
    file.close();
    daemon_.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                   QStringLiteral("--print-address=1")});
    QDeadlineTimer limit(StartLimitMs);
    while (!daemon_.canReadLine() && daemon_.state() != QProcess::NotRunning && !limit.hasExpired())
        daemon_.waitForReadyRead(static_cast<int>(limit.remainingTime()));
    if (daemon_.canReadLine()) address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
}

TPrivateBus::~TPrivateBus() {
    for (const QString& name : names_) QDBusConnection::disconnectFromBus(name);
    if (daemon_.state() != QProcess::NotRunning) {
        daemon_.terminate();
        if (!daemon_.waitForFinished(StartLimitMs)) daemon_.kill();
        daemon_.waitForFinished(StartLimitMs);
    }
}

QDBusConnection TPrivateBus::Connect(const QString& Name) {
    names_.append(Name);
    return QDBusConnection::connectToBus(address_, Name);
}

}  // namespace orbelune::test
