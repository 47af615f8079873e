#pragma once

#include "display/ChatItem.h"

#include <QDateTime>
#include <QString>

class QTextDocument;
class QTextEdit;

// Colours every chat line starts with.
inline constexpr Colour kTimeStampColour = Rgb(0xAAAAAA);
// Chat panes are cleared before the next line once they hold more than this.
inline constexpr qsizetype kAutoClearLimit = 50000;
// Paragraph indent of chat lines, so that wrapped lines start under the text
// that follows the time stamp.
inline constexpr int kChatIndentTwips = 1340;

// "[hh:mm:ss AM] " or, in 24-hour form, "[HH:mm:ss] ".
QString TimeStamp(const QTime &time, bool militaryTime);

// Length of a pane's text as the user sees it, each line break counting as
// the two characters (carriage return, line feed) that end every line.
qsizetype PaneTextLength(const QTextDocument &pane);

// Writes one chat line at the end of the pane: the time stamp, the items, a
// line break. Text is always inserted as plain text with a character format,
// never read as markup, line breaks in it become spaces, web addresses links.
void WriteChatLine(QTextDocument &pane, const ChatItems &items, bool militaryTime, const QDateTime &now);

// Writes one line of colour/text pairs to any rich text box; the profile
// description box (object name "rtbDes") gets no time stamp.
void AddText(QTextEdit &box, const std::vector<ColouredText> &items, const QDateTime &now);

// "version 1.1." followed by the build's revision number.
QString GetVersion();

// The text without its first character (list rows begin with a space).
QString StripFirstChar(const QString &text);
