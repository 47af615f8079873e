#include "display/HeldLines.h"

#include "display/modOutput.h"

#include <QObject>
#include <QTextDocument>

#include <iterator>

namespace {

// "[hh:mm:ss AM] " and the line's CR LF.
constexpr qsizetype kStampAndBreak = 16;
// A date or time written as text.
constexpr qsizetype kDateOrTime = 24;

const QString kHolderName = QStringLiteral("heldLines");

// Hangs the held lines on their pane, to go when the pane goes.
class Holder : public QObject {
public:
    explicit Holder(QTextDocument &pane) : QObject(&pane) { setObjectName(kHolderName); }
    HeldLines lines;
};

} // namespace

qsizetype HeldLines::lengthOf(const ChatItems &items)
{
    qsizetype length = kStampAndBreak;
    for (const ChatItem &item : items) {
        if (const auto *text = std::get_if<QString>(&item))
            length += text->size();
        else if (std::holds_alternative<QDate>(item) || std::holds_alternative<QTime>(item))
            length += kDateOrTime;
    }
    return length;
}

void HeldLines::hold(ChatItems items, const QDateTime &arrived)
{
    m_length += lengthOf(items);
    m_lines.push_back({std::move(items), arrived});
    while (m_length > kAutoClearLimit && !m_lines.empty()) {
        m_length -= lengthOf(m_lines.front().items);
        m_lines.pop_front();
        ++m_dropped;
    }
}

std::vector<HeldLines::Line> HeldLines::take(int &dropped)
{
    std::vector<Line> lines(std::make_move_iterator(m_lines.begin()), std::make_move_iterator(m_lines.end()));
    dropped = m_dropped;
    clear();
    return lines;
}

void HeldLines::clear()
{
    m_lines.clear();
    m_length = 0;
    m_dropped = 0;
}

HeldLines &HeldLinesOf(QTextDocument &pane)
{
    // Only a Holder bears this name among a pane's children.
    auto *holder = static_cast<Holder *>(pane.findChild<QObject *>(kHolderName, Qt::FindDirectChildrenOnly));
    if (!holder)
        holder = new Holder(pane);
    return holder->lines;
}
