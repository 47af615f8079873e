#pragma once

#include "commands/NameCompletion.h"

#include <QObject>
#include <QString>

class ChannelUserList;
class LineHistory;
class QLineEdit;
class CommandHost;

// The input box's own keys, for the profile on screen: Enter sends the line
// (through the internal commands, as every typed line goes) and keeps it in
// the profile's line history; Up and Down walk that history; Tab completes
// names and commands and never moves the keyboard out of the box. Text
// pasted with line breaks is sent line by line, each as if typed, after a
// question when there are more than kLinesWithoutAsking; a single line stays
// in the box to be finished.
class InputLine : public QObject {
    Q_OBJECT
public:
    static constexpr int kLinesWithoutAsking = 5;

    InputLine(CommandHost &program, QLineEdit &box, const ChannelUserList &users);

    // The lines of pasted text that are sent: every line with more than
    // spaces in it.
    static QStringList pastedLines(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void enter(const QString &line);
    void complete();
    void sendPasted();
    LineHistory &history() const;

    CommandHost &m_program;
    QLineEdit &m_box;
    const ChannelUserList &m_users;
    NameCompletion m_completion;
    // The box's text before its last change, and before the paste waiting
    // to be sent.
    QString m_shown;
    QString m_previous;
    QString m_beforePaste;
    bool m_pasteWaiting = false;
};
