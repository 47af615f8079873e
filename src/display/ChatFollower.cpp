#include "display/ChatFollower.h"

#include <QScrollBar>
#include <QTextEdit>

ChatFollower::ChatFollower(QTextEdit &view) : QObject(&view), m_view(view)
{
    QScrollBar *bar = view.verticalScrollBar();
    // A new line grows the range first, while the view still shows the old
    // bottom: that is the moment to decide whether to follow.
    connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int, int maximum) {
        if (m_following)
            bar->setValue(maximum);
    });
    connect(bar, &QScrollBar::valueChanged, this,
            [this, bar](int value) { m_following = value >= bar->maximum(); });
}

void ChatFollower::show(QTextDocument &document)
{
    m_view.setDocument(&document);
    m_following = true;
    QScrollBar *bar = m_view.verticalScrollBar();
    bar->setValue(bar->maximum());
}
