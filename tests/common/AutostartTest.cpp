#include "Autostart.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>

namespace orbelune {
namespace {

QString ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// The test's main() points the configuration folder at a temporary folder.
TEST(SetRunAtStartup, WritesTheEntryUnderTheConfigurationFolder) {
    const QString expected =
        qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart/orbelune.desktop";
    ASSERT_FALSE(qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty());
    EXPECT_EQ(AutostartFilePath("Orbelune"), expected);

    ASSERT_TRUE(SetRunAtStartup("Orbelune", "/opt/orbelune/bin/orbelune", true));
    const QString entry = ReadAll(expected);
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(entry.contains("\nType=Application\n"));
    EXPECT_TRUE(entry.contains("\nName=Orbelune\n"));
    EXPECT_TRUE(entry.contains("\nExec=\"/opt/orbelune/bin/orbelune\"\n"));
    EXPECT_TRUE(entry.contains("\nIcon=org.example.Orbelune\n"));
    EXPECT_TRUE(entry.contains("\nComment=Clock, calendar"));

    EXPECT_TRUE(SetRunAtStartup("Orbelune", "/opt/orbelune/bin/orbelune", false));
    EXPECT_FALSE(QFile::exists(expected));
    // A missing entry is no error, but nothing was deleted.
    EXPECT_FALSE(SetRunAtStartup("Orbelune", "/opt/orbelune/bin/orbelune", false));
}

TEST(SetRunAtStartup, QuotesAndEscapesThePath) {
    ASSERT_TRUE(SetRunAtStartup("Orbelune", "/home/a b/$HOME/\"x\"/50%/back\\slash/run", true));
    const QString entry = ReadAll(AutostartFilePath("Orbelune"));
    EXPECT_TRUE(
        entry.contains("\nExec=\"/home/a b/\\\\$HOME/\\\\\"x\\\\\"/50%%/back\\\\\\\\slash/run\"\n"))
        << entry.toStdString();
    EXPECT_TRUE(SetRunAtStartup("Orbelune", "", false));
}

TEST(SetRunAtStartup, RefusesAPathWithALineBreak) {
    EXPECT_FALSE(SetRunAtStartup("Orbelune", "/tmp/x\nExec=/bin/evil", true));
    EXPECT_FALSE(QFile::exists(AutostartFilePath("Orbelune")));
}

// The entry is 0600 and a folder made for it 0700, whatever the umask.
TEST(SetRunAtStartup, PermissionsDoNotFollowTheUmask) {
    const QString folder = QFileInfo(AutostartFilePath("Orbelune")).absolutePath();
    QDir(folder).removeRecursively();
    const mode_t oldMask = umask(0);
    const bool written = SetRunAtStartup("Orbelune", "/opt/orbelune/bin/orbelune", true);
    umask(oldMask);
    ASSERT_TRUE(written);
    constexpr auto OwnerGroupOther = QFileDevice::Permissions(0x7077);
    EXPECT_EQ(QFileInfo(AutostartFilePath("Orbelune")).permissions() & OwnerGroupOther,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(QFileInfo(folder).permissions() & OwnerGroupOther,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(SetRunAtStartup("Orbelune", "", false));
}

}  // namespace
}  // namespace orbelune
