#pragma once

#include <QString>
#include <QTimer>

// Answers every input box that the program opens while it lives: types the
// text and presses OK. Keeps the title and prompt of the last one.
class InputBoxAnswer {
public:
    explicit InputBoxAnswer(QString answer);

    const QString &title() const { return m_title; }
    const QString &prompt() const { return m_prompt; }

private:
    QTimer m_watch;
    QString m_title;
    QString m_prompt;
};
