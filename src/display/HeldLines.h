#pragma once

#include "display/ChatItem.h"

#include <QDateTime>

#include <deque>
#include <vector>

class QTextDocument;

// The lines a locked chat pane holds back, each with the time it arrived,
// until the pane is unlocked. They are kept within the pane's own bound: past
// it the oldest make room for the newest, and how many were dropped is
// counted.
class HeldLines {
public:
    struct Line {
        ChatItems items;
        QDateTime arrived;
    };

    void hold(ChatItems items, const QDateTime &arrived);
    bool isEmpty() const { return m_lines.empty() && m_dropped == 0; }
    // The held lines, oldest first, and how many were dropped; both are
    // forgotten.
    std::vector<Line> take(int &dropped);
    void clear();

    // The characters a line takes in a pane, time stamp and break included.
    static qsizetype lengthOf(const ChatItems &items);

private:
    std::deque<Line> m_lines;
    qsizetype m_length = 0;
    int m_dropped = 0;
};

// The held lines of a chat pane, kept with the pane itself, so that a pane
// given to another profile takes them along only if they are cleared first.
HeldLines &HeldLinesOf(QTextDocument &pane);
