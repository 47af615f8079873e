#include "display/FindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>

namespace {

const QColor kMatchBackground(0x66, 0x55, 0x00);
const QColor kCurrentBackground(0xD8, 0xAD, 0x3A);

QTextEdit::ExtraSelection highlight(const QTextCursor &match, bool current)
{
    QTextEdit::ExtraSelection selection;
    selection.cursor = match;
    selection.format.setBackground(current ? kCurrentBackground : kMatchBackground);
    if (current)
        selection.format.setForeground(Qt::black);
    return selection;
}

} // namespace

FindBar::FindBar(QTextEdit &view) : QWidget(&view), m_view(view)
{
    setObjectName(QStringLiteral("findBar"));
    setAutoFillBackground(true);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("txtFind"));
    m_field->setPlaceholderText(QStringLiteral("Find"));
    m_field->installEventFilter(this);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lblFindCount"));
    m_count->setTextFormat(Qt::PlainText);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(m_field, 1);
    row->addWidget(m_count);
    m_refresh.setSingleShot(true);
    m_refresh.setInterval(0);
    connect(&m_refresh, &QTimer::timeout, this, [this] { search(false); });
    connect(m_field, &QLineEdit::textChanged, this, [this] { search(true); });
    view.installEventFilter(this);
    // Escape that no control of the window took closes the bar from anywhere
    // in the window.
    view.window()->installEventFilter(this);
    hide();
}

void FindBar::showBar()
{
    place();
    show();
    raise();
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
    follow(m_view.document());
    search(true);
}

void FindBar::hideBar()
{
    if (isHidden())
        return;
    hide();
    m_refresh.stop();
    follow(nullptr);
    m_matches.clear();
    m_current = -1;
    m_view.setExtraSelections({});
    Q_EMIT closed();
}

void FindBar::documentShown()
{
    if (isHidden())
        return;
    follow(m_view.document());
    search(true);
}

void FindBar::follow(QTextDocument *document)
{
    if (document == m_followed)
        return;
    disconnect(m_changes);
    m_followed = document;
    if (document)
        m_changes = connect(document, &QTextDocument::contentsChanged, &m_refresh, qOverload<>(&QTimer::start));
}

void FindBar::search(bool newQuery)
{
    if (isHidden())
        return;
    const QString query = m_field->text();
    const int before = m_currentAt.isNull() ? -1 : m_currentAt.selectionStart();
    m_matches.clear();
    m_capped = false;
    if (!query.isEmpty()) {
        QTextCursor found = m_view.document()->find(query, 0);
        while (!found.isNull()) {
            if (m_matches.size() == kMostMatches) {
                m_capped = true;
                break;
            }
            m_matches.append(found);
            found = m_view.document()->find(query, found);
        }
    }
    if (m_matches.isEmpty()) {
        m_current = -1;
    } else if (newQuery || before < 0) {
        m_current = static_cast<int>(m_matches.size()) - 1;
    } else {
        // The match stepped to stays current where it still stands; gone,
        // the one after the place it stood takes its part.
        m_current = static_cast<int>(m_matches.size()) - 1;
        for (int i = 0; i < m_matches.size(); ++i) {
            if (m_matches[i].selectionStart() >= before) {
                m_current = i;
                break;
            }
        }
    }
    showMatches();
    if (newQuery && m_current >= 0) {
        QTextCursor at(m_matches[m_current]);
        at.clearSelection();
        m_view.setTextCursor(at);
        m_view.ensureCursorVisible();
    }
}

void FindBar::step(int by)
{
    if (m_matches.isEmpty())
        return;
    const int count = static_cast<int>(m_matches.size());
    m_current = ((m_current + by) % count + count) % count;
    showMatches();
    QTextCursor at(m_matches[m_current]);
    at.clearSelection();
    m_view.setTextCursor(at);
    m_view.ensureCursorVisible();
}

void FindBar::showMatches()
{
    QList<QTextEdit::ExtraSelection> selections;
    selections.reserve(m_matches.size());
    for (int i = 0; i < m_matches.size(); ++i)
        selections.append(highlight(m_matches[i], i == m_current));
    m_view.setExtraSelections(selections);
    m_currentAt = m_current >= 0 ? m_matches[m_current] : QTextCursor();
    m_count->setText(countText());
}

QString FindBar::countText() const
{
    if (m_field->text().isEmpty())
        return {};
    if (m_matches.isEmpty())
        return QStringLiteral("No matches");
    const QString total = QString::number(m_matches.size()) + (m_capped ? QStringLiteral("+") : QString());
    return QString::number(m_current + 1) + QStringLiteral(" of ") + total;
}

void FindBar::place()
{
    adjustSize();
    const int width = std::min(std::max(sizeHint().width(), 220), m_view.width());
    const QRect area = m_view.viewport()->geometry();
    setGeometry(area.right() + 1 - width, area.top(), width, sizeHint().height());
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_view) {
        if (event->type() == QEvent::Resize && !isHidden())
            place();
        return false;
    }
    if (event->type() != QEvent::KeyPress || isHidden())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Escape) {
        hideBar();
        return true;
    }
    if (watched == m_field && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        step(key->modifiers() & Qt::ShiftModifier ? 1 : -1);
        return true;
    }
    return false;
}
