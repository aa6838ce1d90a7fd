#include "UnixSignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <csignal>
#endif

namespace orbelune {

#ifdef Q_OS_UNIX

namespace {

constexpr int QuitSignals[] = {SIGTERM, SIGINT, SIGHUP};
int SignalPipe[2] = {-1, -1};

void OnSignal(int Signal) {
    const unsigned char byte = static_cast<unsigned char>(Signal);
    const ssize_t written = ::write(SignalPipe[0], &byte, 1);
    (void)written;  // a full pipe already holds a signal to act on
}

}  // namespace

bool TQuitSignals::Install() {
    if (SignalPipe[0] >= 0) return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, SignalPipe) != 0) return false;
    ::fcntl(SignalPipe[0], F_SETFL, O_NONBLOCK);
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : QuitSignals) ::sigaction(signal, &action, nullptr);
    return true;
}

TQuitSignals::TQuitSignals(QObject* Parent) : QObject(Parent) {
    setObjectName(QStringLiteral("QuitSignals"));
    if (SignalPipe[1] < 0) return;
    FNotifier = new QSocketNotifier(SignalPipe[1], QSocketNotifier::Read, this);
    connect(FNotifier, &QSocketNotifier::activated, this, &TQuitSignals::ReadSignal);
}

void TQuitSignals::ReadSignal() {
    unsigned char byte = 0;
    if (::read(SignalPipe[1], &byte, 1) != 1) return;
    // The next one of the kind ends the program the ordinary way.
    ::signal(byte, SIG_DFL);
    emit Received(byte);
}

#else

bool TQuitSignals::Install() {
    return false;
}

TQuitSignals::TQuitSignals(QObject* Parent) : QObject(Parent) {
    setObjectName(QStringLiteral("QuitSignals"));
}

void TQuitSignals::ReadSignal() {}

#endif

}  // namespace orbelune
