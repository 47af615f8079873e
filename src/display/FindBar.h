#pragma once

#include <QList>
#include <QTextCursor>
#include <QTimer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextDocument;
class QTextEdit;

// The find bar of a chat view, at its top right: it searches the document
// on show as the user types (in any letter case), highlights every match,
// and steps through them with Enter (to older lines) and Shift+Enter (to
// newer ones), starting at the newest. Matches follow the document as lines
// come and go; when the view shows another document the search moves there.
// Escape closes it, in the bar or wherever in the window no control takes
// the key.
class FindBar : public QWidget {
    Q_OBJECT
public:
    // Highlights beyond this many are not shown; the count says so.
    static constexpr int kMostMatches = 1000;

    explicit FindBar(QTextEdit &view);

    // Shows the bar with the keyboard in its field.
    void showBar();
    void hideBar();
    // The view shows another document.
    void documentShown();

    int matchCount() const { return static_cast<int>(m_matches.size()); }
    // The 0-based match stepped to, -1 for none.
    int currentMatch() const { return m_current; }
    // What the count label says.
    QString countText() const;

Q_SIGNALS:
    void closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void search(bool newQuery);
    void step(int by);
    void showMatches();
    void place();
    void follow(QTextDocument *document);

    QTextEdit &m_view;
    QLineEdit *m_field;
    QLabel *m_count;
    QList<QTextCursor> m_matches;
    int m_current = -1;
    // Where the current match stands; it moves as the document changes.
    QTextCursor m_currentAt;
    bool m_capped = false;
    // Lines come in bursts; the search runs once after each.
    QTimer m_refresh;
    QTextDocument *m_followed = nullptr;
    QMetaObject::Connection m_changes;
};
