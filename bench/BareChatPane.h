#pragma once

#include <QString>
#include <QTextCursor>
#include <QTextEdit>

// The baseline of every chat pane figure: a visible QTextEdit of the chat
// pane's size that gets the same coloured text through a bare QTextCursor,
// and is emptied at the same length, which is the least Qt's text engine can
// cost for a line on screen.
class BareChatPane {
public:
    explicit BareChatPane(const QSize &size);

    // A time stamp and the name in bold, then the text; one paragraph.
    void writeLine(const QString &name, const QString &text);

private:
    QTextEdit m_edit;
    QTextCursor m_cursor;
    QTextCharFormat m_stamp;
    QTextCharFormat m_name;
    QTextCharFormat m_text;
};
