#include "platform/VisibleText.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;
// The control pictures of C0 start here, one for each code 0x00-0x1F.
constexpr char16_t kControlPictures = 0x2400;
constexpr char16_t kDeletePicture = 0x2421;

bool startsLine(char16_t ch)
{
    switch (ch) {
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case 0x0085:
    case 0x2028:
    case 0x2029:
    case 0xFDD0:
    case 0xFDD1:
        return true;
    default:
        return false;
    }
}

bool changesDirection(char16_t ch)
{
    return (ch >= 0x202A && ch <= 0x202E) || (ch >= 0x2066 && ch <= 0x2069);
}

QChar mark(char16_t ch)
{
    if (ch < 0x20)
        return QChar(char16_t(kControlPictures + ch));
    if (ch == 0x7F)
        return QChar(kDeletePicture);
    return QChar(kReplacement);
}

} // namespace

QString OnOneLine(QString text)
{
    for (QChar &ch : text) {
        if (startsLine(ch.unicode()))
            ch = mark(ch.unicode());
    }
    return text;
}

QString PlainLogText(QString text)
{
    for (QChar &ch : text) {
        const char16_t unit = ch.unicode();
        const bool control = (unit < 0x20 && unit != u'\t') || (unit >= 0x7F && unit < 0xA0);
        if (control || startsLine(unit) || changesDirection(unit))
            ch = mark(unit);
    }
    return text;
}
