#pragma once

#include <QMessageBox>
#include <QString>
#include <QTimer>

// Answers the next message box that the program opens, whenever it opens,
// and keeps its text. Lives as long as the test needs it.
class MessageBoxAnswer {
public:
    explicit MessageBoxAnswer(QMessageBox::StandardButton answer = QMessageBox::Ok);

    // The text of the box that was answered, or "" when none was.
    const QString &text() const { return m_text; }
    const QString &title() const { return m_title; }

private:
    QTimer m_watch;
    QString m_text;
    QString m_title;
};
