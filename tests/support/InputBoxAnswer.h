#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>

// Answers every input box that the program opens while it lives: types the
// next of the given texts (the last one for every box after it) and presses
// OK. Keeps the title, prompt and offered text of each box.
class InputBoxAnswer {
public:
    explicit InputBoxAnswer(QStringList answers);
    explicit InputBoxAnswer(const QString &answer) : InputBoxAnswer(QStringList{answer}) {}

    // Of the last box answered, "" when none was.
    QString title() const { return m_titles.value(m_titles.size() - 1); }
    QString prompt() const { return m_prompts.value(m_prompts.size() - 1); }
    const QStringList &titles() const { return m_titles; }
    const QStringList &prompts() const { return m_prompts; }
    const QStringList &defaults() const { return m_defaults; }

private:
    QTimer m_watch;
    QStringList m_answers;
    QStringList m_titles;
    QStringList m_prompts;
    QStringList m_defaults;
};
