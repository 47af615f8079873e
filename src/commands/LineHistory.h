#pragma once

#include <QString>

#include <deque>
#include <optional>

// The lines a profile sent, for the input box to walk through: Up goes back
// from the newest line, Down forth again, and past the newest the line that
// was being typed comes back. A line on show that the user has changed is a
// new line being typed, so the next Up starts again from the newest.
class LineHistory {
public:
    static constexpr std::size_t kMostLines = 100;

    // Keeps a sent line as the newest, once even when sent twice in a row;
    // past kMostLines the oldest goes.
    void add(const QString &line);
    // What the box shows after Up, given what it shows now; nothing when
    // there is no older line.
    std::optional<QString> older(const QString &shown);
    // What the box shows after Down; nothing when not walking.
    std::optional<QString> newer(const QString &shown);
    void clear();

private:
    bool walking(const QString &shown) const { return m_at < m_lines.size() && m_lines[m_at] == shown; }

    std::deque<QString> m_lines;
    // The line on show while walking; the size of the history otherwise.
    std::size_t m_at = 0;
    QString m_typed;
};
