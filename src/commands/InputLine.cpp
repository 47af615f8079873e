#include "commands/InputLine.h"

#include "channel/ChannelUserList.h"
#include "channel/ChatNames.h"
#include "commands/CommandHost.h"
#include "commands/InternalCommands.h"
#include "commands/LineHistory.h"
#include "display/modOutput.h"
#include "profiles/Profile.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>

namespace {

bool breaksLines(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("[\\r\\n\\x{0B}\\x{0C}\\x{85}\\x{2028}\\x{2029}]"));
    return text.contains(breaks);
}

} // namespace

InputLine::InputLine(CommandHost &program, QLineEdit &box, const ChannelUserList &users)
    : QObject(&box), m_program(program), m_box(box), m_users(users)
{
    box.installEventFilter(this);
    connect(&box, &QLineEdit::returnPressed, this, [this] {
        const QString line = m_box.text();
        if (line.isEmpty())
            return;
        m_box.clear();
        enter(line);
    });
    connect(&box, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_previous = m_shown;
        m_shown = text;
    });
    // The box takes pasted line breaks into its text and shows them as
    // spaces; the lines are sent once the paste is over.
    connect(&box, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (m_pasteWaiting || !breaksLines(text))
            return;
        m_pasteWaiting = true;
        // Whichever of the two signals the box sends first.
        m_beforePaste = m_shown == text ? m_previous : m_shown;
        QTimer::singleShot(0, this, [this] { sendPasted(); });
    });
}

QStringList InputLine::pastedLines(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("\\r\\n|[\\r\\n\\x{0B}\\x{0C}\\x{85}\\x{2028}\\x{2029}]"));
    QStringList lines;
    for (const QString &line : text.split(breaks)) {
        if (!line.trimmed().isEmpty())
            lines << line;
    }
    return lines;
}

LineHistory &InputLine::history() const
{
    return m_program.current().history();
}

void InputLine::enter(const QString &line)
{
    m_program.guard("txtSend_KeyDown", "frmMain", [&] { history().add(line); });
    InternalCommands(m_program, line);
}

bool InputLine::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (modifiers != Qt::NoModifier)
            return false;
        m_program.guard("txtSend_KeyDown", "frmMain", [&] {
            const std::optional<QString> shown = key->key() == Qt::Key_Up ? history().older(m_box.text())
                                                                           : history().newer(m_box.text());
            if (shown)
                m_box.setText(*shown);
        });
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (modifiers & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        if (key->key() == Qt::Key_Tab)
            m_program.guard("txtSend_KeyDown", "frmMain", [this] { complete(); });
        return true;
    default:
        return false;
    }
}

void InputLine::complete()
{
    QStringList names;
    for (int row = 1; row <= m_users.rowCount(); ++row)
        names << StripFirstChar(m_users.rowIndex(row).data().toString());
    const QString prefix = GetNamePrefix(m_program.current().record().Product);
    if (const auto completed = m_completion.complete(m_box.text(), m_box.cursorPosition(), names, prefix)) {
        m_box.setText(completed->text);
        m_box.setCursorPosition(completed->cursor);
    }
}

void InputLine::sendPasted()
{
    m_pasteWaiting = false;
    const QStringList lines = pastedLines(m_box.text());
    if (lines.size() <= 1) {
        m_box.setText(lines.value(0));
        return;
    }
    if (lines.size() > kLinesWithoutAsking) {
        QMessageBox question(QMessageBox::Question, QStringLiteral("Send pasted lines"),
                             QStringLiteral("Send these %1 lines to %2, each as its own message?")
                                 .arg(lines.size())
                                 .arg(m_program.current().record().Name),
                             QMessageBox::Yes | QMessageBox::No, m_box.window());
        question.setTextFormat(Qt::PlainText);
        question.setDefaultButton(QMessageBox::No);
        if (question.exec() != QMessageBox::Yes) {
            m_box.setText(m_beforePaste);
            return;
        }
    }
    m_box.clear();
    for (const QString &line : lines)
        enter(line);
}
