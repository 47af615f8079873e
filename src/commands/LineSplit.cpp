#include "commands/LineSplit.h"

#include "commands/CommandLine.h"

#include <QStringList>

namespace {

bool isWhisper(const QString &word)
{
    for (const char *command : {"/w", "/m", "/whisper", "/msg"}) {
        if (word.compare(QLatin1String(command), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isEmote(const QString &word)
{
    return word.compare(QLatin1String("/me"), Qt::CaseInsensitive) == 0 ||
           word.compare(QLatin1String("/emote"), Qt::CaseInsensitive) == 0;
}

// Cuts a word too long for a piece between its characters, surrogate pairs
// kept whole.
QStringList cutWord(const QString &word, qsizetype budget, WireEncoding encoding)
{
    QStringList parts;
    QString part;
    qsizetype partBytes = 0;
    for (qsizetype i = 0; i < word.size();) {
        const qsizetype width = word.at(i).isHighSurrogate() && i + 1 < word.size() && word.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QString character = word.mid(i, width);
        const qsizetype bytes = WireLength(character, encoding);
        if (partBytes + bytes > budget && !part.isEmpty()) {
            parts.append(part);
            part.clear();
            partBytes = 0;
        }
        part += character;
        partBytes += bytes;
        i += width;
    }
    if (!part.isEmpty())
        parts.append(part);
    return parts;
}

std::vector<QString> cutAtSpaces(const QString &body, qsizetype budget, WireEncoding encoding)
{
    std::vector<QString> pieces;
    QString piece;
    qsizetype pieceBytes = 0;
    const auto flush = [&] {
        if (!piece.trimmed().isEmpty())
            pieces.push_back(piece);
        piece.clear();
        pieceBytes = 0;
    };
    for (const QString &word : body.split(QLatin1Char(' '))) {
        const qsizetype wordBytes = WireLength(word, encoding);
        const qsizetype joined = pieceBytes + (piece.isEmpty() ? 0 : 1) + wordBytes;
        if (joined <= budget) {
            if (!piece.isEmpty())
                piece += QLatin1Char(' ');
            piece += word;
            pieceBytes = joined;
            continue;
        }
        flush();
        if (wordBytes <= budget) {
            piece = word;
            pieceBytes = wordBytes;
            continue;
        }
        QStringList parts = cutWord(word, budget, encoding);
        piece = parts.takeLast();
        pieceBytes = WireLength(piece, encoding);
        for (const QString &part : parts)
            pieces.push_back(part);
    }
    flush();
    return pieces;
}

} // namespace

bool IsEmoteCommand(const QString &line)
{
    return line.startsWith(QLatin1Char('/')) && isEmote(CommandLine::parse(line).word);
}

qsizetype WireLength(const QString &text, WireEncoding encoding)
{
    return WireText::encode(text, encoding).bytes.size();
}

LinePieces SplitLongLine(const QString &line, int maxBytes, WireEncoding encoding)
{
    const bool emote = IsEmoteCommand(line);
    const qsizetype limit = emote ? maxBytes / 2 : maxBytes;
    if (WireLength(line, encoding) <= limit)
        return {{line}, false};
    QString prefix;
    QString body = line;
    if (line.startsWith(QLatin1Char('/'))) {
        const CommandLine parsed = CommandLine::parse(line);
        if (isWhisper(parsed.word) && !parsed.argument.isEmpty()) {
            prefix = parsed.word + QLatin1Char(' ') + parsed.argument + QLatin1Char(' ');
            body = parsed.rest;
        } else if (emote) {
            prefix = parsed.word + QLatin1Char(' ');
            body = line.mid(prefix.size());
        } else {
            return {{}, true};
        }
    }
    const qsizetype budget = limit - WireLength(prefix, encoding);
    if (budget < 1)
        return {{}, true};
    LinePieces result;
    for (const QString &piece : cutAtSpaces(body, budget, encoding))
        result.pieces.push_back(prefix + piece);
    return result;
}
