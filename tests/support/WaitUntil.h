#pragma once
// Waiting for an event in a test: the event loop runs until Done holds or TimeoutMs
// has passed (a generous limit, not a pause). True when Done came.
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <functional>

namespace orbelune::test {

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
