#include "platform/Clock.h"

SystemClock::SystemClock()
{
    m_monotonic.start();
}

quint32 SystemClock::tickCount() const
{
    // Like the system tick count, this starts well above zero and wraps after
    // about 49.7 days; callers must not assume 0 means "never".
    const qint64 sinceBoot = QElapsedTimer::clockType() == QElapsedTimer::MonotonicClock
                                 ? m_monotonic.msecsSinceReference()
                                 : m_monotonic.elapsed();
    return static_cast<quint32>(sinceBoot);
}

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

ManualClock::ManualClock(QDateTime start, quint32 tick) : m_now(std::move(start)), m_tick(tick)
{
}

void ManualClock::advance(quint32 milliseconds)
{
    m_tick += milliseconds;
    m_now = m_now.addMSecs(milliseconds);
}
