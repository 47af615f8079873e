#include "session/CustomPingHold.h"

#include <utility>

CustomPingHold::CustomPingHold(std::function<void()> elapsed)
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, std::move(elapsed));
}

void CustomPingHold::start(int milliseconds)
{
    cancel();
    m_holding = true;
    m_timer.start(milliseconds);
}

void CustomPingHold::holdToServer(QByteArray message)
{
    m_waiting.push_back(std::move(message));
}

std::vector<QByteArray> CustomPingHold::release()
{
    m_timer.stop();
    m_holding = false;
    return std::exchange(m_waiting, {});
}

void CustomPingHold::cancel()
{
    release();
}
