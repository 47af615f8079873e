#include "channel/CaselessName.h"

#include <array>

namespace {

constexpr qsizetype kShortName = 64;

bool isShortAscii(const QString &text)
{
    if (text.size() > kShortName)
        return false;
    for (const QChar ch : text) {
        if (ch.unicode() >= 0x80)
            return false;
    }
    return true;
}

char16_t asciiLower(char16_t unit)
{
    return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + (u'a' - u'A')) : unit;
}

} // namespace

bool operator==(const CaselessName &a, const CaselessName &b)
{
    if (!isShortAscii(a.text) || !isShortAscii(b.text))
        return a.text.toLower() == b.text.toLower();
    if (a.text.size() != b.text.size())
        return false;
    for (qsizetype i = 0; i < a.text.size(); ++i) {
        if (asciiLower(a.text[i].unicode()) != asciiLower(b.text[i].unicode()))
            return false;
    }
    return true;
}

size_t qHash(const CaselessName &name, size_t seed)
{
    if (!isShortAscii(name.text))
        return qHash(name.text.toLower(), seed);
    // The same value as the hash of the lower-case string, without making it.
    std::array<char16_t, kShortName> lower{};
    for (qsizetype i = 0; i < name.text.size(); ++i)
        lower[static_cast<std::size_t>(i)] = asciiLower(name.text[i].unicode());
    return qHash(QStringView(lower.data(), name.text.size()), seed);
}
