#pragma once

#include <QObject>

#include <array>
#include <functional>

class QKeyEvent;

// The program's keyboard shortcuts, in the order they are tested: the first
// that holds runs and ends the check.
enum class HotKey {
    CtrlShiftF, CtrlP, CtrlG, CtrlS, CtrlN, CtrlI, CtrlF,
    F1, F2, F3, F4, F5, F6, F7, F8,
};

// Runs a shortcut exactly once per key press wherever the keyboard is in the
// main window (input box, lists, chat pane or the window itself). It watches
// the window's own key events, which arrive once per press before the focused
// control sees them, and never swallows the key: a shortcut pressed in the
// input box still reaches the box.
class HotKeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Actions that are not set yet do nothing (the check still ends there).
    void setAction(HotKey key, std::function<void()> action);
    // Tests the keys in order and runs the first action that holds. Returns
    // whether a shortcut held.
    bool CheckHotKeys(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static constexpr std::size_t kCount = static_cast<std::size_t>(HotKey::F8) + 1;
    std::array<std::function<void()>, kCount> m_actions;
};
