#pragma once
// The signals that end a program from outside - SIGTERM (kill, a logout), SIGINT
// (Ctrl+C) and SIGHUP (the terminal or session gone) - turned into a Qt signal on the
// user-interface thread, so that the program closes as if its window were closed and
// keeps its settings. The handler only writes to a pipe; a second signal of the same
// kind, once the first has been taken, ends the program at once as usual. Elsewhere than
// on Unix nothing is caught.

#include <QObject>

class QSocketNotifier;

namespace orbelune {

class TQuitSignals final : public QObject {
    Q_OBJECT

public:
    // Catches the signals from now on; a signal that comes before the object exists is
    // delivered once it does. False when the pipe cannot be made.
    static bool Install();

    explicit TQuitSignals(QObject* Parent = nullptr);

signals:
    void Received(int Signal);

private:
    void ReadSignal();

    QSocketNotifier* FNotifier = nullptr;
};

}  // namespace orbelune
