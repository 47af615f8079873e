#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QtGlobal>

// The two clocks the client reads: a 32-bit millisecond tick count from a
// monotonic source (differences are taken as unsigned 32-bit values, so a
// wrap does no harm) and the wall-clock time for chat time stamps.
class Clock {
public:
    virtual ~Clock() = default;
    virtual quint32 tickCount() const = 0;
    virtual QDateTime now() const = 0;

    // Milliseconds from `since` to now, correct across a wrap of the counter.
    quint32 ticksSince(quint32 since) const { return tickCount() - since; }
};

class SystemClock final : public Clock {
public:
    SystemClock();
    quint32 tickCount() const override;
    QDateTime now() const override;

private:
    QElapsedTimer m_monotonic;
};

// A clock that moves only when told to; used where time must be controlled,
// such as replaying a session at a known time.
class ManualClock final : public Clock {
public:
    explicit ManualClock(QDateTime start = QDateTime(QDate(2026, 1, 1), QTime(12, 0)), quint32 tick = 1000);
    quint32 tickCount() const override { return m_tick; }
    QDateTime now() const override { return m_now; }

    void advance(quint32 milliseconds);
    void setTickCount(quint32 tick) { m_tick = tick; }
    void setNow(const QDateTime &now) { m_now = now; }

private:
    QDateTime m_now;
    quint32 m_tick;
};
