#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Tab in the input box: the word before the cursor is completed from the
// names of the channel, in the list's order and in any letter case, then,
// for a word that starts with "/", from the client's own commands and the
// common server commands. Where the profile addresses accounts with a prefix
// (Diablo II profiles, "*"), a word that starts with it, and any name after a
// command word, completes to the prefix and the name. Tab again, with
// nothing changed in between, puts the next match in its place, round and
// round. A name at the start of the line gets ": " after it, anything else a
// space.
class NameCompletion {
public:
    struct Completed {
        QString text;
        int cursor = 0;
    };

    std::optional<Completed> complete(const QString &text, int cursor, const QStringList &names,
                                      const QString &accountPrefix);

private:
    // Every match of a word, in the order Tab offers them.
    static QStringList matches(const QString &word, const QStringList &names, const QString &accountPrefix,
                               bool addressed);
    // The commands offered for a word that starts with "/", in order.
    static const QStringList &commands();
    Completed put(const QString &text, int wordEnd);

    QStringList m_matches;
    int m_index = 0;
    int m_wordStart = 0;
    // What the last completion left, to tell a repeated Tab from a new one.
    Completed m_left;
};
