#include "support/WaitUntil.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

bool WaitUntil(const std::function<bool()> &condition, int timeoutMilliseconds)
{
    const QDeadlineTimer deadline(timeoutMilliseconds);
    while (!condition()) {
        const qint64 remaining = deadline.remainingTime();
        if (remaining <= 0)
            return false;
        QEventLoop loop;
        // Wakes the wait below when nothing else happens before the deadline.
        QTimer::singleShot(std::chrono::milliseconds(remaining), &loop, [] {});
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}
