#include "profiles/KeysToInputBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextEdit>

KeysToInputBox::KeysToInputBox(QLineEdit &input, QTextEdit &chat, QObject *parent)
    : QObject(parent), m_input(input), m_chat(chat)
{
}

bool KeysToInputBox::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->matches(QKeySequence::Copy) && !m_input.hasSelectedText() && m_chat.textCursor().hasSelection()) {
        m_chat.copy();
        return true;
    }
    // The chat pane never has the keyboard; its page keys work from anywhere.
    if ((key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown) && key->modifiers() == Qt::NoModifier) {
        m_chat.verticalScrollBar()->triggerAction(key->key() == Qt::Key_PageUp ? QAbstractSlider::SliderPageStepSub
                                                                               : QAbstractSlider::SliderPageStepAdd);
        return true;
    }
    // Any text field keeps its own typing (the find bar's, for one).
    if (qobject_cast<QLineEdit *>(QApplication::focusWidget()))
        return false;
    constexpr Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const QString text = key->text();
    if (text.isEmpty() || !text.front().isPrint() || (key->modifiers() & commands))
        return false;
    // The key goes on to whichever control has the keyboard when it is
    // delivered: now the input box.
    m_input.setFocus(Qt::OtherFocusReason);
    return false;
}
