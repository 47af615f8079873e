#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>

// Answers the input boxes that the program opens while it lives, in turn,
// with the given texts: an empty text presses Cancel. Keeps each box's title
// and prompt.
class InputBoxAnswer {
public:
    explicit InputBoxAnswer(QStringList answers);

    const QStringList &titles() const { return m_titles; }
    const QStringList &prompts() const { return m_prompts; }

private:
    QTimer m_watch;
    QStringList m_answers;
    QStringList m_titles;
    QStringList m_prompts;
};
