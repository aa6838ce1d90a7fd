#include "ManagedDisplay.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <vector>

namespace orbelune::test {

namespace {

constexpr int StartTimeoutMs = 20000;

// A window that went away between two questions is no error here.
int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

}  // namespace

struct TManagedDisplay::TConnection {
    Display* X = nullptr;

    Atom Named(const char* Name) const { return XInternAtom(X, Name, False); }

    // The 32-bit items of a property (windows, atoms, cardinals).
    std::vector<unsigned long> Items(Window Of, const char* Property, Atom Type) const {
        Atom actual = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        std::vector<unsigned long> items;
        if (XGetWindowProperty(X, Of, Named(Property), 0, 4096, False, Type, &actual, &format,
                               &count, &after, &data) == Success &&
            data != nullptr && format == 32) {
            const auto* values = reinterpret_cast<const unsigned long*>(data);
            items.assign(values, values + count);
        }
        if (data != nullptr) XFree(data);
        return items;
    }

    bool Has(Window Of, const char* Property, const char* Value) const {
        const std::vector<unsigned long> atoms = Items(Of, Property, XA_ATOM);
        return std::find(atoms.begin(), atoms.end(), Named(Value)) != atoms.end();
    }
};

TManagedDisplay::TManagedDisplay() : x_(std::make_unique<TConnection>()) {
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty()) {
        problem_ =
            QStringLiteral("Xvfb and openbox are not installed (scripts/setup installs them)");
        return;
    }
    // The server writes its display number once it takes connections.
    server_.start(QStringLiteral("Xvfb"),
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                   QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                   QStringLiteral("tcp")});
    QByteArray number;
    const QDeadlineTimer deadline(StartTimeoutMs);
    while (!number.endsWith('\n') && server_.waitForReadyRead(static_cast<int>(
                                         std::max<qint64>(deadline.remainingTime(), 0))))
        number += server_.readAllStandardOutput();
    name_ = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    x_->X = number.trimmed().isEmpty() ? nullptr : XOpenDisplay(name_.toLatin1().constData());
    if (x_->X == nullptr) {
        problem_ = QStringLiteral("Xvfb did not start");
        return;
    }
    XSetErrorHandler(IgnoreErrors);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), name_);
    manager_.setProcessEnvironment(env);
    manager_.start(QStringLiteral("openbox"), {});
    const Window root = DefaultRootWindow(x_->X);
    while (x_->Items(root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty() && !deadline.hasExpired())
        QThread::msleep(50);
    if (x_->Items(root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty())
        problem_ = QStringLiteral("openbox did not start");
}

TManagedDisplay::~TManagedDisplay() {
    if (x_->X != nullptr) XCloseDisplay(x_->X);
    for (QProcess* process : {&manager_, &server_}) {
        process->terminate();
        if (!process->waitForFinished(5000)) process->kill();
        process->waitForFinished(5000);
    }
}

QList<TClientWindow> TManagedDisplay::Stacking() const {
    QList<TClientWindow> windows;
    if (x_->X == nullptr) return windows;
    for (const unsigned long id :
         x_->Items(DefaultRootWindow(x_->X), "_NET_CLIENT_LIST_STACKING", XA_WINDOW)) {
        TClientWindow window;
        window.Id = id;
        const std::vector<unsigned long> pid = x_->Items(id, "_NET_WM_PID", XA_CARDINAL);
        window.Pid = pid.empty() ? 0 : static_cast<qint64>(pid.front());
        Window owner = 0;
        if (XGetTransientForHint(x_->X, id, &owner)) window.TransientFor = owner;
        window.Dialog = x_->Has(id, "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_DIALOG");
        window.KeptAbove = x_->Has(id, "_NET_WM_STATE", "_NET_WM_STATE_ABOVE");
        XWindowAttributes attributes{};
        window.Viewable =
            XGetWindowAttributes(x_->X, id, &attributes) && attributes.map_state == IsViewable;
        windows << window;
    }
    return windows;
}

unsigned long TManagedDisplay::ActiveWindow() const {
    if (x_->X == nullptr) return 0;
    const std::vector<unsigned long> active =
        x_->Items(DefaultRootWindow(x_->X), "_NET_ACTIVE_WINDOW", XA_WINDOW);
    return active.empty() ? 0 : active.front();
}

}  // namespace orbelune::test
