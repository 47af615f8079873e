#include "commands/LineHistory.h"

void LineHistory::add(const QString &line)
{
    if (!line.isEmpty() && (m_lines.empty() || m_lines.back() != line)) {
        m_lines.push_back(line);
        if (m_lines.size() > kMostLines)
            m_lines.pop_front();
    }
    m_at = m_lines.size();
    m_typed.clear();
}

std::optional<QString> LineHistory::older(const QString &shown)
{
    if (!walking(shown)) {
        if (m_lines.empty())
            return std::nullopt;
        m_typed = shown;
        m_at = m_lines.size();
    }
    if (m_at == 0)
        return std::nullopt;
    return m_lines[--m_at];
}

std::optional<QString> LineHistory::newer(const QString &shown)
{
    if (!walking(shown))
        return std::nullopt;
    if (++m_at < m_lines.size())
        return m_lines[m_at];
    return m_typed;
}

void LineHistory::clear()
{
    m_lines.clear();
    m_at = 0;
    m_typed.clear();
}
