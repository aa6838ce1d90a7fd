#pragma once
// Lets the event loop run until a condition holds, for tests that wait on workers,
// servers or the embedded browser.

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <functional>

namespace orbelune::test {

// True once Done holds; false when TimeoutMs passed first.
inline bool WaitUntil(const std::function<bool()>& Done, int TimeoutMs) {
    const QDeadlineTimer deadline(TimeoutMs);
    while (!Done()) {
        if (deadline.hasExpired()) return false;
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

}  // namespace orbelune::test
