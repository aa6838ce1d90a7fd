// The settings reader on any file: the store's checks, QSettings' parsing and every
// reading rule of the settings table; then a save, which must succeed over any file
// that could be read (whatever unknown keys it holds).
#include "Settings.h"
#include "SettingsIo.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace orbelune;

namespace {
QTemporaryDir* Home = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    // In memory where the machine offers it: every save syncs its file to disk.
    Home = QFileInfo(QStringLiteral("/dev/shm")).isDir()
               ? new QTemporaryDir(QStringLiteral("/dev/shm/orbelune-fuzz-XXXXXX"))
               : new QTemporaryDir;
    qputenv("XDG_CONFIG_HOME", Home->path().toLocal8Bit());
    QDir().mkpath(QFileInfo(TSettingsStore::DefaultFilePath()).absolutePath());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static qint64 edits = 0;
    const QString path = TSettingsStore::DefaultFilePath();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
        file.flush();
        // A new time for every input, so that no cached copy of the last one is read.
        file.setFileTime(QDateTime::fromSecsSinceEpoch(1000000000 + ++edits),
                         QFileDevice::FileModificationTime);
    }
    TSettings settings;
    TSettingsCopies copies;
    const TSettingsResult read = ReadIniFile(settings, copies);
    if (read.Ok && !SaveIniFile(settings).Ok) std::abort();
    return 0;
}
