#include "commands/NameCompletion.h"

#include "commands/MediaCommands.h"

#include <algorithm>

namespace {

bool startsWith(const QString &text, const QString &word)
{
    return text.startsWith(word, Qt::CaseInsensitive);
}

QStringList sortedCommands()
{
    // The client's own commands, then what common servers take.
    QStringList words = {
        QStringLiteral("/c"),       QStringLiteral("/connect"), QStringLiteral("/d"),
        QStringLiteral("/disconnect"), QStringLiteral("/rejoin"), QStringLiteral("/profile"),
        QStringLiteral("/home"),    QStringLiteral("/uptime"),  QStringLiteral("/p"),
        QStringLiteral("/clear"),   QStringLiteral("/cc"),      QStringLiteral("/r"),
        QStringLiteral("/version"), QStringLiteral("/about"),   QStringLiteral("/ver"),
        QStringLiteral("/away"),    QStringLiteral("/ban"),     QStringLiteral("/channel"),
        QStringLiteral("/clan"),    QStringLiteral("/designate"), QStringLiteral("/dnd"),
        QStringLiteral("/emote"),   QStringLiteral("/f"),       QStringLiteral("/friends"),
        QStringLiteral("/help"),    QStringLiteral("/ignore"),  QStringLiteral("/j"),
        QStringLiteral("/join"),    QStringLiteral("/kick"),    QStringLiteral("/m"),
        QStringLiteral("/me"),      QStringLiteral("/msg"),     QStringLiteral("/options"),
        QStringLiteral("/squelch"), QStringLiteral("/stats"),   QStringLiteral("/time"),
        QStringLiteral("/unban"),   QStringLiteral("/unignore"), QStringLiteral("/unsquelch"),
        QStringLiteral("/users"),   QStringLiteral("/w"),       QStringLiteral("/where"),
        QStringLiteral("/whereis"), QStringLiteral("/whisper"), QStringLiteral("/who"),
        QStringLiteral("/whoami"),  QStringLiteral("/whois"),
    };
    words += MediaCommandWords();
    words.sort();
    words.removeDuplicates();
    return words;
}

} // namespace

const QStringList &NameCompletion::commands()
{
    static const QStringList words = sortedCommands();
    return words;
}

QStringList NameCompletion::matches(const QString &word, const QStringList &names, const QString &accountPrefix,
                                    bool addressed)
{
    QStringList found;
    // An account addressed the way the profile must ("*Account" on
    // Diablo II) is matched by the name after the prefix.
    const bool prefixed = !accountPrefix.isEmpty() && (addressed || word.startsWith(accountPrefix));
    const QString typed = word.startsWith(accountPrefix) ? word.mid(accountPrefix.size()) : word;
    for (const QString &name : names) {
        if (startsWith(name, typed))
            found << (prefixed ? accountPrefix + name : name);
    }
    if (word.startsWith(QLatin1Char('/'))) {
        for (const QString &command : commands()) {
            if (startsWith(command, word))
                found << command;
        }
    }
    found.removeDuplicates();
    return found;
}

std::optional<NameCompletion::Completed> NameCompletion::complete(const QString &text, int cursor,
                                                                  const QStringList &names,
                                                                  const QString &accountPrefix)
{
    if (!m_matches.isEmpty() && text == m_left.text && cursor == m_left.cursor) {
        m_index = (m_index + 1) % static_cast<int>(m_matches.size());
        return put(text, cursor);
    }
    m_matches.clear();
    cursor = std::clamp(cursor, 0, static_cast<int>(text.size()));
    int start = cursor;
    while (start > 0 && !text.at(start - 1).isSpace())
        --start;
    if (start == cursor)
        return std::nullopt;
    // A name after a command word is one the command addresses.
    const bool addressed = start > 0 && text.startsWith(QLatin1Char('/'));
    m_matches = matches(text.mid(start, cursor - start), names, accountPrefix, addressed);
    if (m_matches.isEmpty())
        return std::nullopt;
    m_index = 0;
    m_wordStart = start;
    return put(text, cursor);
}

NameCompletion::Completed NameCompletion::put(const QString &text, int wordEnd)
{
    const QString &match = m_matches.at(m_index);
    const QString after = text.mid(wordEnd);
    QString ending = m_wordStart == 0 && !match.startsWith(QLatin1Char('/')) ? QStringLiteral(": ")
                                                                             : QStringLiteral(" ");
    // The space that would follow is there already.
    if (!after.isEmpty() && after.front().isSpace())
        ending.chop(1);
    const QString before = text.left(m_wordStart) + match + ending;
    m_left = {before + after, static_cast<int>(before.size())};
    return m_left;
}
