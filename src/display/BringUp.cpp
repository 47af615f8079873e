#include "display/BringUp.h"

#include <QScreen>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <functional>

namespace {

const QSize kFrame(16, 48);

} // namespace

void PlaceOver(QWidget &window, QWidget &owner)
{
    if (window.isVisible())
        return;
    window.winId();
    owner.winId();
    window.windowHandle()->setTransientParent(owner.windowHandle());
    // A window never resized by hand takes its own size when first shown;
    // it is needed now to centre it.
    if (!window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
    // The window system tells the frame it puts around the window once it
    // has one (on most, after the first show); till then room is kept for a
    // usual frame.
    const QMargins margins = window.windowHandle()->frameMargins();
    const QSize knownFrame(margins.left() + margins.right(), margins.top() + margins.bottom());
    const QSize frame = knownFrame.isEmpty() ? kFrame : knownFrame;
    QSize size = window.size();
    QRect place(QPoint(), size + frame);
    if (const QScreen *screen = owner.screen()) {
        const QRect room = screen->availableGeometry();
        size = size.boundedTo(room.size() - frame);
        place.setSize(size + frame);
        place.moveCenter(owner.frameGeometry().center());
        place.moveLeft(std::clamp(place.left(), room.left(), room.right() + 1 - place.width()));
        place.moveTop(std::clamp(place.top(), room.top(), room.bottom() + 1 - place.height()));
    }
    window.resize(size);
    // A window's position is that of its frame.
    window.move(place.topLeft());
}

void BringUp(QWidget &window, QWidget *owner)
{
    if (owner)
        PlaceOver(window, *owner);
    window.show();
    window.raise();
    window.activateWindow();
}

namespace {

// Runs an action for a key that no control of the window took.
class KeyAction : public QObject {
public:
    KeyAction(QWidget &window, int key, std::function<void()> action)
        : QObject(&window), m_key(key), m_action(std::move(action))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *press = static_cast<QKeyEvent *>(event);
        if (press->key() != m_key || (press->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        m_action();
        return true;
    }

private:
    int m_key;
    std::function<void()> m_action;
};

} // namespace

void OnKey(QWidget &window, int key, std::function<void()> action)
{
    new KeyAction(window, key, std::move(action));
}

void CloseOnEscape(QWidget &window)
{
    OnKey(window, Qt::Key_Escape, [&window] { window.close(); });
}
