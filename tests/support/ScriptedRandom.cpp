#include "support/ScriptedRandom.h"

ScriptedRandom::ScriptedRandom(QByteArray script) : m_script(std::move(script)) {}

std::optional<QByteArray> ScriptedRandom::draw(qsizetype count)
{
    if (count > m_script.size())
        return std::nullopt;
    const QByteArray bytes = m_script.left(count);
    m_script.remove(0, count);
    return bytes;
}
