#pragma once

#include <QMessageBox>
#include <QString>
#include <QTimer>

// Answers every message box that the program opens while it lives, whenever
// it opens, and keeps the text of the last one.
class MessageBoxAnswer {
public:
    explicit MessageBoxAnswer(QMessageBox::StandardButton answer = QMessageBox::Ok);

    // The text of the last box answered, or "" when none was.
    const QString &text() const { return m_text; }
    const QString &title() const { return m_title; }

private:
    QTimer m_watch;
    QString m_text;
    QString m_title;
};
