#pragma once

#include "platform/Failure.h"

#include <QDateTime>
#include <QWidget>

#include <memory>

class Clock;
class QPushButton;
class QTextEdit;

// The error log window: every run-time failure the program catches is
// reported here in two lines, and kept until the user clears the log or it
// grows past the chat panes' auto-clear limit.
class frmErrorHandler : public QWidget {
    Q_OBJECT
public:
    explicit frmErrorHandler(QWidget *parent = nullptr);

    // Reports can come in storms; the window comes up over the chat at most
    // once in this many milliseconds and takes the rest quietly.
    static constexpr quint32 kRaiseIntervalMs = 5000;

    // Brings the window into view without taking the focus (unless it came up
    // less than kRaiseIntervalMs before `tick`, or the failure is of a
    // server's making and `comeUp` is false), then appends the error's
    // number and description in red and "Error in: <procedure> of <module>"
    // in white.
    void report(const CurrentError &error, const QString &procedure, const QString &module,
                const QDateTime &now, quint32 tick, bool comeUp = true);

    QTextEdit *rtbErrors() const { return m_rtbErrors; }
    QPushButton *cmdClear() const { return m_cmdClear; }

private:
    void bringIntoView();

    QTextEdit *m_rtbErrors;
    QPushButton *m_cmdClear;
    bool m_raised = false;
    quint32 m_lastRaiseTick = 0;
};

// Reports the exception being handled to the log, made on first use; one of
// a server's making does not bring the window up.
void ReportCurrentError(std::unique_ptr<frmErrorHandler> &log, const QString &procedure, const QString &module,
                        const Clock &clock);
