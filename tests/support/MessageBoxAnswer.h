#pragma once

#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <functional>

// Answers every message box that the program opens while it lives, whenever
// it opens, and keeps the text of the last one.
class MessageBoxAnswer {
public:
    explicit MessageBoxAnswer(QMessageBox::StandardButton answer = QMessageBox::Ok);
    // Keeps each box open until `until` holds, running the box's own event
    // loop meanwhile, then answers it.
    MessageBoxAnswer(QMessageBox::StandardButton answer, std::function<bool()> until);

    // The text of the last box answered, or "" when none was.
    const QString &text() const { return m_text; }
    const QString &title() const { return m_title; }

private:
    QTimer m_watch;
    QString m_text;
    QString m_title;
};
