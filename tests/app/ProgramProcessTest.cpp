// The real program started offscreen in a temporary home: the command line, a quit
// signal that keeps the settings, and a second start that hands over to the first. The
// settings point every server at 127.0.0.1 and ask for nothing at start, so the program
// never leaves the machine.
#include "FileFaults.h"
#include "ManagedDisplay.h"
#include "SettingsStore.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#ifdef Q_OS_UNIX
#include <signal.h>
#include <sys/types.h>
#endif

namespace orbelune {
namespace {

const QString BaseSettings = QStringLiteral(
    "[Settings]\n"
    "UpdateWeatherOnStartup=false\nUpdateWeatherPerSchedule=false\n"
    "UpdateClockOnStartup=false\nUpdateClockPerSchedule=false\n"
    "RunWhenWindowsStarts=false\nWeatherServer=127.0.0.1:9\nTimeServer=127.0.0.1\n");

class ProgramProcess : public testing::Test {
protected:
    // The settings file of the program in the temporary home (README: Settings).
    QString SettingsFile() const {
        return home.filePath(QStringLiteral(".config/Orbelune/orbelune.ini"));
    }
    QString LockFile() const { return SettingsFile() + QStringLiteral(".running"); }

    void WriteSettings(const QString& Extra) {
        QDir().mkpath(QFileInfo(SettingsFile()).absolutePath());
        QFile file(SettingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write((BaseSettings + Extra).toUtf8());
    }
    QString Setting(const char* Key) const {
        return QSettings(SettingsFile(), QSettings::IniFormat)
            .value(QStringLiteral("Settings/") + QLatin1String(Key))
            .toString();
    }

    // Offscreen, or on the X display Display when one is given.
    std::unique_ptr<QProcess> Start(const QStringList& Arguments, const QString& Display = {}) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
        env.insert(QStringLiteral("TZ"), QStringLiteral("Etc/UTC"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "http_proxy", "https_proxy"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                   Display.isEmpty() ? QStringLiteral("offscreen") : QStringLiteral("xcb"));
        if (!Display.isEmpty()) env.insert(QStringLiteral("DISPLAY"), Display);
        process->setProcessEnvironment(env);
        process->start(QStringLiteral(ORBELUNE_PROGRAM), Arguments);
        EXPECT_TRUE(process->waitForStarted(10000));
        return process;
    }
    // The program holds its lock once it catches the quit signals.
    bool WaitUntilRunning(QProcess& Process) const {
        const QDeadlineTimer deadline(30000);
        while (!QFile::exists(LockFile()) && Process.state() == QProcess::Running &&
               !deadline.hasExpired())
            QThread::msleep(20);
        return QFile::exists(LockFile()) && Process.state() == QProcess::Running;
    }
    static void Finish(QProcess& Process) {
        ASSERT_TRUE(Process.waitForFinished(30000));
        EXPECT_EQ(Process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(Process.exitCode(), 0) << Process.readAllStandardError().toStdString();
    }

    QTemporaryDir home;
};

TEST_F(ProgramProcess, HelpAndVersionPrintAndEndBeforeAnythingElse) {
    auto version = Start({QStringLiteral("--version")});
    Finish(*version);
    EXPECT_EQ(version->readAllStandardOutput(), QByteArray("orbelune " ORBELUNE_VERSION "\n"));
    auto help = Start({QStringLiteral("--help")});
    Finish(*help);
    EXPECT_TRUE(help->readAllStandardOutput().contains("/C"));
    EXPECT_FALSE(QFile::exists(LockFile()));
    EXPECT_FALSE(QFile::exists(SettingsFile()));
}

#ifdef Q_OS_UNIX
// A quit signal closes the program as its window's close does: the settings are saved,
// with what the program changed on its own at start (the tray colours chosen, the week's
// first day taken from the locale).
TEST_F(ProgramProcess, QuitSignalsSaveTheSettings) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        WriteSettings(QStringLiteral("WeekStart=7\nTrayColorsInit=true\n"));
        auto program = Start({});
        ASSERT_TRUE(WaitUntilRunning(*program)) << signal;
        ::kill(static_cast<pid_t>(program->processId()), signal);
        Finish(*program);
        EXPECT_EQ(Setting("TrayColorsInit"), QStringLiteral("false")) << signal;
        EXPECT_NE(Setting("WeekStart"), QStringLiteral("7")) << signal;
        EXPECT_FALSE(QFile::exists(LockFile())) << signal;
    }
}

// A quit signal does not wait for an open message box (nobody is left to answer it on
// a logout): a settings file that could not be read is told in a box at start, which the
// signal closes; settings that cannot be saved at close are written to the log instead.
TEST_F(ProgramProcess, QuitSignalsDoNotWaitForMessageBoxes) {
    WriteSettings(QString(MaxSettingsFileBytes, QLatin1Char(';')));  // too large to read
    auto unreadable = Start({});
    ASSERT_TRUE(WaitUntilRunning(*unreadable));
    QThread::msleep(1000);  // the box is open now
    ::kill(static_cast<pid_t>(unreadable->processId()), SIGTERM);
    Finish(*unreadable);
    EXPECT_GT(QFileInfo(SettingsFile()).size(), MaxSettingsFileBytes);  // kept

    QFile::remove(SettingsFile());
    std::unique_ptr<QProcess> unsavable;
    {
        const test::TFileSizeLimit limit(1024);  // the program inherits it
        unsavable = Start({});
    }
    ASSERT_TRUE(WaitUntilRunning(*unsavable));
    ::kill(static_cast<pid_t>(unsavable->processId()), SIGTERM);
    Finish(*unsavable);
    EXPECT_TRUE(unsavable->readAllStandardError().contains("could not be saved"));
}

// Under a window manager a message box stands above the program's kept-above windows,
// belongs to one of them that is shown, and has the focus: at start over the clock window
// (a settings file that cannot be read), and over the information window (its Weather
// tab's report request refused).
TEST_F(ProgramProcess, MessageBoxesStandAboveTheKeptAboveWindows) {
    const test::TManagedDisplay display;
    if (!display.Problem().isEmpty()) GTEST_SKIP() << display.Problem().toStdString();
    for (const QString& settings :
         {QString(MaxSettingsFileBytes, QLatin1Char(';')),
          QStringLiteral("LastInfoFormTabIndex=2\nShowInfoFormAtStartup=true\n")}) {
        WriteSettings(settings);
        auto program = Start({}, display.Name());
        ASSERT_TRUE(WaitUntilRunning(*program));
        const qint64 pid = program->processId();
        QList<test::TClientWindow> windows;
        const QDeadlineTimer deadline(20000);
        do {
            QThread::msleep(100);
            windows.clear();
            for (const test::TClientWindow& w : display.Stacking())
                if (w.Pid == pid) windows << w;
        } while ((windows.isEmpty() || !windows.last().Dialog ||
                  display.ActiveWindow() != windows.last().Id) &&
                 !deadline.hasExpired());
        ASSERT_FALSE(windows.isEmpty()) << settings.left(40).toStdString();
        const test::TClientWindow box = windows.takeLast();
        EXPECT_TRUE(box.Dialog) << "the box is the program's topmost window";
        EXPECT_EQ(display.ActiveWindow(), box.Id);
        EXPECT_TRUE(std::any_of(windows.begin(), windows.end(), [&](const auto& w) {
            return w.Id == box.TransientFor && w.Viewable && w.KeptAbove;
        })) << "the box belongs to a shown window of the program";
        ::kill(static_cast<pid_t>(pid), SIGTERM);
        Finish(*program);
    }
}

// The first program starts minimised from a place on no screen; a second start (with
// /C, which it does not act on) brings the first forward and ends. The first, closed
// afterwards, stores the place it was shown at and the settings it read.
TEST_F(ProgramProcess, ASecondStartRaisesTheFirstAndEnds) {
    WriteSettings(
        QStringLiteral("StartMinimized=true\nTrayType=N\nWindowLeft=-5000\nDisplayLevel=2\n"));
    auto first = Start({});
    ASSERT_TRUE(WaitUntilRunning(*first));
    auto second = Start({QStringLiteral("/C")});
    Finish(*second);
    EXPECT_TRUE(second->readAllStandardError().contains("already running"));
    EXPECT_EQ(first->state(), QProcess::Running);

    ::kill(static_cast<pid_t>(first->processId()), SIGTERM);
    Finish(*first);
    EXPECT_EQ(Setting("WindowLeft"), QStringLiteral("30"));  // shown, at the built-in place
    EXPECT_EQ(Setting("DisplayLevel"), QStringLiteral("2"));
}
#endif

}  // namespace
}  // namespace orbelune
