#include "display/frmErrorHandler.h"

#include "display/BringUp.h"
#include "display/modOutput.h"
#include "platform/Clock.h"
#include "platform/ServerDataFailure.h"

#include <QApplication>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

frmErrorHandler::frmErrorHandler(QWidget *parent)
    : QWidget(parent, Qt::Window), m_rtbErrors(new QTextEdit(this)), m_cmdClear(new QPushButton(tr("&Clear"), this))
{
    setObjectName(QStringLiteral("frmErrorHandler"));
    setWindowTitle(QStringLiteral("Error Handler"));
    // The user is typing in the main window; a report must not steal the keyboard.
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(480, 260);

    m_rtbErrors->setObjectName(QStringLiteral("rtbErrors"));
    m_rtbErrors->setReadOnly(true);
    m_rtbErrors->document()->setUndoRedoEnabled(false);
    QPalette palette = m_rtbErrors->palette();
    palette.setColor(QPalette::Base, Qt::black);
    m_rtbErrors->setPalette(palette);
    m_cmdClear->setObjectName(QStringLiteral("cmdClear"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_rtbErrors);
    layout->addWidget(m_cmdClear, 0, Qt::AlignRight);
    connect(m_cmdClear, &QPushButton::clicked, m_rtbErrors, &QTextEdit::clear);
    CloseOnEscape(*this);
}

void frmErrorHandler::report(const CurrentError &error, const QString &procedure, const QString &module,
                             const QDateTime &now, quint32 tick, bool comeUp)
{
    if (comeUp && (!m_raised || tick - m_lastRaiseTick >= kRaiseIntervalMs)) {
        m_raised = true;
        m_lastRaiseTick = tick;
        bringIntoView();
    }
    // Failures can come as fast as a server sends what cannot be handled,
    // each quoting what it could not read: past the chat panes' limit the
    // log starts over, as they do, instead of filling the memory.
    if (PaneTextLength(*m_rtbErrors->document()) > kAutoClearLimit)
        m_rtbErrors->clear();
    AddText(*m_rtbErrors, {{Rgb(0xFF0000), QString::number(error.number) + QStringLiteral(" - ") + error.description}},
            now);
    AddText(*m_rtbErrors,
            {{Rgb(0xFFFFFF), QStringLiteral("Error in: ") + procedure + QStringLiteral(" of ") + module}}, now);
}

void frmErrorHandler::bringIntoView()
{
    // Some window systems activate every window that is shown; give the
    // keyboard back to whichever window had it.
    QWidget *active = QApplication::activeWindow();
    QWidget *focus = QApplication::focusWidget();
    if (!isVisible())
        show();
    raise();
    if (active && active != this) {
        active->activateWindow();
        if (focus)
            focus->setFocus();
    }
}

void ReportCurrentError(std::unique_ptr<frmErrorHandler> &log, const QString &procedure, const QString &module,
                        const Clock &clock)
{
    const CurrentError error = CurrentError::fromCurrentException();
    if (!log)
        log = std::make_unique<frmErrorHandler>();
    log->report(error, procedure, module, clock.now(), clock.tickCount(), !CurrentFailureComesFromServer());
}
