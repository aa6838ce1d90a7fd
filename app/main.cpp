// The program: the command line, one running program per settings file, the desktop's
// message boxes, the internet time query and the system clock setter in the platform
// seams, the clock window and the information window, the first display, the clock timer
// and the message loop. The clock window takes the information window and connects the
// two; neither knows a global of the other. A signal from outside (kill, logout, Ctrl+C)
// and a later start of the program reach the clock window as a close (which closes any
// open message box first) and as a call to come forward.
#include "CalendarEvents.h"
#include "ClockForm.h"
#include "CommandLine.h"
#include "DesktopDialogs.h"
#include "DesktopIdentity.h"
#include "DesktopMessageBoxes.h"
#include "InfoForm.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "SntpClient.h"
#include "UnixSignals.h"
#ifdef Q_OS_LINUX
#include "LinuxClockSetter.h"
#endif

#include <QApplication>
#include <QTimer>

#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <memory>

namespace {

constexpr int HandOverTimeoutMs = 10000;
// A program that holds no lock listens at once or is not there.
constexpr int NoLockListenerMs = 500;

void ChooseDisplayPlatform(const QStringList& Arguments) {
    const QByteArray platform = orbelune::WaylandFallbackPlatform(
        [](const char* name) { return qgetenv(name); }, Arguments);
    if (!platform.isEmpty()) qputenv("QT_QPA_PLATFORM", platform);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace orbelune;
#ifdef __GLIBC__
    // Blocks from 128 KiB up (the place list's text, pictures) are mapped on their own
    // and given back whole when freed. Left alone, glibc raises this bound after the
    // first such free, and later blocks stay in the heap after their use.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    QCoreApplication::setApplicationName(QStringLiteral("orbelune"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORBELUNE_VERSION));
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    // Read before the application connects to a display: --help needs none.
    const TCommandLineVerdict verdict = ReadCommandLine(arguments);
    if (verdict.End) {
        std::fputs(verdict.Output.toLocal8Bit().constData(),
                   verdict.ExitCode == 0 ? stdout : stderr);
        return verdict.ExitCode;
    }
    TQuitSignals::Install();
    ChooseDisplayPlatform(arguments);
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopAppId));
    QApplication::setQuitOnLastWindowClosed(false);

    TSingleInstance instance(TSettingsStore::DefaultFilePath());
    const TSingleInstance::TClaim claim = instance.Claim();
    if (claim != TSingleInstance::TClaim::First) {
        // Without a lock file (its folder cannot be written) only a program that listens
        // counts; the reading of the settings tells the user that they cannot be saved.
        const bool locked = claim == TSingleInstance::TClaim::Taken;
        const TSingleInstance::THandOver handed =
            instance.HandOver(HandOverTimeoutMs, locked ? -1 : NoLockListenerMs);
        if (handed == TSingleInstance::THandOver::Answered) {
            std::fputs("Orbelune is already running; its window has been brought to the front.\n",
                       stderr);
            return 0;
        }
        if (locked || handed == TSingleInstance::THandOver::NoAnswer) {
            std::fputs("Orbelune is already running but does not answer.\n", stderr);
            return 1;
        }
    }

    Platform().Messages = &DesktopMessageBoxes();
    Platform().FileDialogs = &DesktopFileDialogs();
    Platform().PrintDialogs = &DesktopPrintDialogs();
    // The server comes from the settings with every query.
    TSntpClient timeQuery;
    Platform().TimeQuery = &timeQuery;
#ifdef Q_OS_LINUX
    TLinuxClockSetter clockSetter;
    Platform().ClockSetter = &clockSetter;
#endif
    // Without a lock only the socket tells a later start that this program runs: it
    // listens from here on, also while a message box of the start (about the settings)
    // waits; the request is answered once the window is up.
    if (claim == TSingleInstance::TClaim::NoLock) instance.Listen();
    auto form1 = std::make_unique<TForm1>();
    form1->FormCreate(QApplication::arguments());
    // The clock reaches the screen before the information window's tabs are built.
    form1->UpdateDisplays();
    form1->ShowAtStartup();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    auto infoForm = std::make_unique<TInfoForm>(*form1->Events);
    form1->AttachInfoForm(infoForm.get());
    form1->UpdateDisplays();
    QObject::connect(&instance, &TSingleInstance::ActivationRequested, form1.get(),
                     &TForm1::RestoreAction1Execute);
    instance.Listen();
    instance.ForwardRequests();
    // Made once the windows are up: a signal that came before waits in its pipe until
    // the message loop runs.
    TQuitSignals quitSignals;
    // An open box (a settings file that could not be read or saved) is closed rather
    // than waited for: the session is ending and cannot answer it.
    QObject::connect(&quitSignals, &TQuitSignals::Received, form1.get(), [&form1] {
        EndMessageBoxes();
        form1->ExitAction1Execute();
    });
    QTimer::singleShot(0, form1.get(), &TForm1::TellSettingsTrouble);
    form1->Timer1->start();
    const int result = app.exec();

    form1->FormDestroy();
    infoForm.reset();
    return result;
}
