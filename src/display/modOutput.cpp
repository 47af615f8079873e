#include "display/modOutput.h"

#include "display/ChatLinks.h"

#include <QLocale>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

constexpr qreal kTwipsPerPixel = 15.0;

QTextCharFormat colourFormat(Colour colour, bool bold)
{
    QTextCharFormat format;
    format.setForeground(colour.toQColor());
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

QString itemText(const ChatItem &item)
{
    if (const auto *text = std::get_if<QString>(&item))
        return *text;
    if (const auto *date = std::get_if<QDate>(&item))
        return QLocale::system().toString(*date, QLocale::ShortFormat);
    if (const auto *time = std::get_if<QTime>(&item))
        return QLocale::system().toString(*time, QLocale::LongFormat);
    return {};
}

// Text from the server, much of it written by other users, must not break a
// chat line: a break would start what looks like a line of its own, time
// stamp and all. Each character that would break the line becomes a space.
QString onOneLine(QString text)
{
    for (QChar &ch : text) {
        if (ch == u'\r' || ch == u'\n' || ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator)
            ch = u' ';
    }
    return text;
}

QTextCursor endOfText(QTextDocument &document)
{
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    return cursor;
}

} // namespace

QString TimeStamp(const QTime &time, bool militaryTime)
{
    QString clock;
    if (militaryTime) {
        clock = time.toString(QStringLiteral("HH:mm:ss"));
    } else {
        const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
        const QLocale locale = QLocale::system();
        clock = QStringLiteral("%1:%2:%3 %4")
                    .arg(hour12, 2, 10, QLatin1Char('0'))
                    .arg(time.minute(), 2, 10, QLatin1Char('0'))
                    .arg(time.second(), 2, 10, QLatin1Char('0'))
                    .arg(time.hour() < 12 ? locale.amText() : locale.pmText());
    }
    return QLatin1Char('[') + clock + QStringLiteral("] ");
}

qsizetype PaneTextLength(const QTextDocument &pane)
{
    // characterCount() includes one separator per block plus a final one.
    const qsizetype separators = pane.blockCount() - 1;
    return pane.characterCount() - 1 + separators;
}

void WriteChatLine(QTextDocument &pane, const ChatItems &items, bool militaryTime, const QDateTime &now)
{
    QTextCursor cursor = endOfText(pane);
    cursor.beginEditBlock();

    QTextBlockFormat paragraph = cursor.blockFormat();
    paragraph.setLeftMargin(kChatIndentTwips / kTwipsPerPixel);
    paragraph.setTextIndent(-kChatIndentTwips / kTwipsPerPixel);
    cursor.setBlockFormat(paragraph);

    Colour colour = kTimeStampColour;
    // Bold carries over from the previous line of the pane, as callers
    // switch it off within the line that switched it on.
    bool bold = cursor.charFormat().fontWeight() == QFont::Bold;
    cursor.insertText(TimeStamp(now.time(), militaryTime), colourFormat(colour, bold));

    for (const ChatItem &item : items) {
        if (const auto *newColour = std::get_if<Colour>(&item)) {
            colour = *newColour;
        } else if (const auto *format = std::get_if<FormatCode>(&item)) {
            if (format->code == BoldOn.code)
                bold = true;
            else if (format->code == BoldOff.code)
                bold = false;
        } else {
            InsertWithLinks(cursor, onOneLine(itemText(item)), colourFormat(colour, bold));
        }
    }
    cursor.insertBlock(paragraph, colourFormat(colour, bold));
    cursor.endEditBlock();
}

void AddText(QTextEdit &box, const std::vector<ColouredText> &items, const QDateTime &now)
{
    QTextDocument &document = *box.document();
    QTextCursor cursor = endOfText(document);
    cursor.beginEditBlock();
    if (box.objectName() != QLatin1String("rtbDes"))
        cursor.insertText(TimeStamp(now.time(), false), colourFormat(kTimeStampColour, false));
    for (const ColouredText &item : items)
        cursor.insertText(item.text, colourFormat(item.colour, false));
    if (!items.empty())
        cursor.insertBlock();
    cursor.endEditBlock();
}

QString GetVersion()
{
    return QStringLiteral("version 1.1.") + QString::number(TARNWELL_REVISION);
}

QString StripFirstChar(const QString &text)
{
    return text.mid(1);
}
