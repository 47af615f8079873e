#pragma once

#include <QObject>

class QLineEdit;
class QTextEdit;

// Keeps the main window's typing in its input box. Watching the window's own
// key events, which come before any control sees them: a printable key
// pressed while another control has the keyboard gives the keyboard to the
// input box (unless it is a text field of its own), which then takes the key
// and those after it; keys that move or
// act (arrows, Home, End, Enter, function keys, Ctrl and Alt combinations)
// stay with the control. The chat pane never takes the keyboard itself: Page
// Up and Page Down scroll it from anywhere, and Copy with nothing selected in
// the input box copies what is selected in it.
class KeysToInputBox : public QObject {
    Q_OBJECT
public:
    KeysToInputBox(QLineEdit &input, QTextEdit &chat, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit &m_input;
    QTextEdit &m_chat;
};
