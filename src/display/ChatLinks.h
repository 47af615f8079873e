#pragma once

#include <QString>
#include <QUrl>

#include <optional>
#include <vector>

class QTextCharFormat;
class QTextCursor;

// Web addresses in chat text. Only what begins with "http://" or "https://",
// or "www." (read as https), at the start of a word counts; the address runs
// to the next space and leaves out the punctuation that ends a sentence or
// closes a bracket opened before it. An address holding a control, format
// or bidi character, or anything that is not a well-formed web address, is
// no link at all, so a link never shows other text than it opens.
struct ChatLink {
    qsizetype start = 0;
    qsizetype length = 0;
    QUrl target;
};

std::vector<ChatLink> FindLinks(const QString &text);

// The address a link of a pane opens: a well-formed http or https address
// with nothing hidden in it, or nothing.
std::optional<QUrl> LinkTarget(const QString &href);

// Inserts plain text at the cursor in the format, its web addresses as
// anchors to them, underlined. The text itself is never read as markup.
void InsertWithLinks(QTextCursor &cursor, const QString &text, const QTextCharFormat &format);
