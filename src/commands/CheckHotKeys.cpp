#include "commands/CheckHotKeys.h"

#include <QKeyEvent>

namespace {

struct Binding {
    HotKey hotKey;
    int key;
    bool needsControl;
    bool needsShift = false;
};

// Find comes first, so that Ctrl+Shift+F finds and Ctrl+F alone keeps the
// filters.
constexpr std::array<Binding, 15> kBindings = {{
    {HotKey::CtrlShiftF, Qt::Key_F, true, true},
    {HotKey::CtrlP, Qt::Key_P, true}, {HotKey::CtrlG, Qt::Key_G, true}, {HotKey::CtrlS, Qt::Key_S, true},
    {HotKey::CtrlN, Qt::Key_N, true}, {HotKey::CtrlI, Qt::Key_I, true}, {HotKey::CtrlF, Qt::Key_F, true},
    {HotKey::F1, Qt::Key_F1, false},  {HotKey::F2, Qt::Key_F2, false},  {HotKey::F3, Qt::Key_F3, false},
    {HotKey::F4, Qt::Key_F4, false},  {HotKey::F5, Qt::Key_F5, false},  {HotKey::F6, Qt::Key_F6, false},
    {HotKey::F7, Qt::Key_F7, false},  {HotKey::F8, Qt::Key_F8, false},
}};

} // namespace

void HotKeys::setAction(HotKey key, std::function<void()> action)
{
    m_actions[static_cast<std::size_t>(key)] = std::move(action);
}

bool HotKeys::CheckHotKeys(int key, Qt::KeyboardModifiers modifiers)
{
    for (const Binding &binding : kBindings) {
        // A function key holds whatever modifiers are down; a letter needs Ctrl.
        if (binding.key != key || (binding.needsControl && !(modifiers & Qt::ControlModifier)) ||
            (binding.needsShift && !(modifiers & Qt::ShiftModifier)))
            continue;
        if (const auto &action = m_actions[static_cast<std::size_t>(binding.hotKey)])
            action();
        return true;
    }
    return false;
}

bool HotKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *press = static_cast<QKeyEvent *>(event);
        CheckHotKeys(press->key(), press->modifiers());
    }
    return QObject::eventFilter(watched, event);
}
