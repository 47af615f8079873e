#pragma once

#include <QHash>
#include <QObject>
#include <QTextCursor>

class QTextDocument;
class QTextEdit;

// What is new in a chat pane since the user last looked at it. When the
// view leaves a document, its end counts as seen; when the view comes back
// to it and lines came meanwhile, a thin line under the last line seen
// separates them from the new ones, and when the new lines do not fit the
// view opens at that line instead of at the end. The marker goes when the
// view leaves the document again, and with its line when that is cleared.
class NewLinesMarker : public QObject {
    Q_OBJECT
public:
    explicit NewLinesMarker(QTextEdit &view);

    // Call before the view shows another document, and after it shows it.
    void leave(QTextDocument &document);
    void arrive(QTextDocument &document);

    // The block the marker stands under, or an invalid one.
    QTextBlock markedBlock() const;

private:
    void unmark();
    void openAtMarker();

    QTextEdit &m_view;
    // The end of each document when the view last left it; it stays put
    // when lines are added after it.
    QHash<const QTextDocument *, QTextCursor> m_seenEnd;
    QTextCursor m_marked;
};
