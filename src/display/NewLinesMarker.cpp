#include "display/NewLinesMarker.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

namespace {

constexpr auto kRuler = QTextFormat::BlockTrailingHorizontalRulerWidth;

} // namespace

NewLinesMarker::NewLinesMarker(QTextEdit &view) : QObject(&view), m_view(view) {}

void NewLinesMarker::leave(QTextDocument &document)
{
    unmark();
    if (!m_seenEnd.contains(&document))
        connect(&document, &QObject::destroyed, this, [this, &document] { m_seenEnd.remove(&document); });
    QTextCursor end(&document);
    end.movePosition(QTextCursor::End);
    end.setKeepPositionOnInsert(true);
    m_seenEnd.insert(&document, end);
}

void NewLinesMarker::arrive(QTextDocument &document)
{
    const QTextCursor seen = m_seenEnd.value(&document);
    // Nothing seen is left (the pane was cleared meanwhile), or nothing came.
    if (seen.isNull() || seen.position() == 0 || seen.atEnd())
        return;
    const QTextBlock lastSeen = document.findBlock(seen.position()).previous();
    if (!lastSeen.isValid())
        return;
    m_marked = QTextCursor(lastSeen);
    QTextBlockFormat ruler;
    ruler.setProperty(kRuler, QTextLength(QTextLength::PercentageLength, 100));
    m_marked.mergeBlockFormat(ruler);
    // After the window has dressed itself for the profile: fonts change
    // where the lines stand.
    QTimer::singleShot(0, this, [this] { openAtMarker(); });
}

QTextBlock NewLinesMarker::markedBlock() const
{
    if (m_marked.isNull() || m_marked.document() != m_view.document())
        return {};
    const QTextBlock block = m_marked.block();
    return block.blockFormat().hasProperty(kRuler) ? block : QTextBlock();
}

void NewLinesMarker::unmark()
{
    const QTextBlock block = markedBlock();
    m_marked = QTextCursor();
    if (!block.isValid())
        return;
    QTextBlockFormat format = block.blockFormat();
    format.clearProperty(kRuler);
    QTextCursor(block).setBlockFormat(format);
}

void NewLinesMarker::openAtMarker()
{
    const QTextBlock block = markedBlock();
    if (!block.isValid())
        return;
    const QAbstractTextDocumentLayout &layout = *block.document()->documentLayout();
    const qreal markerY = layout.blockBoundingRect(block).bottom();
    const int visible = m_view.viewport()->height();
    if (layout.documentSize().height() - markerY <= visible)
        return;
    // A little of what was seen stays in sight above the marker.
    m_view.verticalScrollBar()->setValue(static_cast<int>(markerY) - visible / 5);
}
