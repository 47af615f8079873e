#include "platform/Clock.h"

SystemClock::SystemClock()
{
    m_monotonic.start();
}

quint32 SystemClock::tickCount() const
{
    // Like the system tick count, this starts well above zero and wraps after
    // about 49.7 days; callers must not assume 0 means "never".
    // The timer's start, measured from the monotonic clock's own start,
    // plus what has passed since.
    const qint64 sinceClockStart = m_monotonic.msecsSinceReference() + m_monotonic.elapsed();
    return static_cast<quint32>(sinceClockStart);
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
