#include "StallMeter.h"

namespace {
constexpr qint64 kIntervalNanoseconds = 1000000;
}

StallMeter::StallMeter()
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        const qint64 now = m_clock.nsecsElapsed();
        m_worstNanoseconds = std::max(m_worstNanoseconds, now - m_lastTick - kIntervalNanoseconds);
        m_lastTick = now;
    });
}

void StallMeter::start()
{
    m_worstNanoseconds = 0;
    m_clock.start();
    m_lastTick = 0;
    m_timer.start();
}
