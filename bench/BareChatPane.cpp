#include "BareChatPane.h"

#include "display/modOutput.h"

#include <QTime>

BareChatPane::BareChatPane(const QSize &size) : m_cursor(m_edit.document())
{
    m_edit.setReadOnly(true);
    m_edit.resize(size);
    m_edit.show();
    m_stamp.setForeground(QColor(0xAA, 0xAA, 0xAA));
    m_name.setForeground(QColor(0xFF, 0xFF, 0x00));
    m_name.setFontWeight(QFont::Bold);
    m_text.setForeground(QColor(0xFF, 0xFF, 0xFF));
}

void BareChatPane::writeLine(const QString &name, const QString &text)
{
    if (m_edit.document()->characterCount() > kAutoClearLimit)
        m_edit.clear();
    m_cursor.movePosition(QTextCursor::End);
    if (!m_edit.document()->isEmpty())
        m_cursor.insertBlock();
    m_cursor.insertText(QTime::currentTime().toString(QStringLiteral("[hh:mm:ss AP] ")), m_stamp);
    m_cursor.insertText(name, m_name);
    m_cursor.insertText(QStringLiteral(": "), m_text);
    m_cursor.insertText(text, m_text);
}
