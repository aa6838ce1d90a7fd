#pragma once
// An X server (Xvfb) with a window manager (openbox) for the tests that need real window
// stacking, and what the window manager says of the windows on it. Only app_tests links
// it (with libX11).

#include <QList>
#include <QProcess>
#include <QString>

#include <memory>

namespace orbelune::test {

// A managed top-level window as the window manager lists it.
struct TClientWindow {
    unsigned long Id = 0;
    qint64 Pid = 0;                  // of the program that made it
    unsigned long TransientFor = 0;  // the window it belongs to, or 0
    bool Dialog = false;
    bool KeptAbove = false;
    bool Viewable = false;
};

class TManagedDisplay {
public:
    // Starts both and waits until the window manager runs; Problem() says why not.
    TManagedDisplay();
    ~TManagedDisplay();
    TManagedDisplay(const TManagedDisplay&) = delete;
    TManagedDisplay& operator=(const TManagedDisplay&) = delete;

    QString Problem() const { return problem_; }
    QString Name() const { return name_; }  // ":N", for DISPLAY

    // The managed windows from the bottom of the stack to its top.
    QList<TClientWindow> Stacking() const;
    unsigned long ActiveWindow() const;

private:
    QProcess server_;
    QProcess manager_;
    QString name_;
    QString problem_;
    struct TConnection;
    std::unique_ptr<TConnection> x_;
};

}  // namespace orbelune::test
