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

void CustomPingHold::holdFromServer(QByteArray bytes)
{
    m_waiting.push_back({true, std::move(bytes)});
}

void CustomPingHold::holdToServer(QByteArray message)
{
    m_waiting.push_back({false, std::move(message)});
}

std::vector<CustomPingHold::Waiting> CustomPingHold::release()
{
    m_timer.stop();
    m_holding = false;
    return std::exchange(m_waiting, {});
}

void CustomPingHold::cancel()
{
    release();
}
