#include "filters/WildcardMatch.h"

#include <optional>
#include <utility>
#include <vector>

namespace {

// One step of a parsed pattern. Every kind but Star stands for exactly one
// character of the text.
struct Token {
    enum Kind { Literal, AnyChar, Digit, List, Star } kind;
    QChar literal;
    bool negated = false;
    std::vector<std::pair<QChar, QChar>> ranges;

    bool accepts(QChar c) const
    {
        switch (kind) {
        case Literal:
            return c == literal;
        case AnyChar:
            return true;
        case Digit:
            return c >= u'0' && c <= u'9';
        case List: {
            bool inList = false;
            for (const auto &[low, high] : ranges)
                inList = inList || (c >= low && c <= high);
            return inList != negated;
        }
        case Star:
            break;
        }
        return false;
    }
};

// Parses "[...]" from just after its "["; `at` ends just after the "]".
// Empty when the list has no "]" or holds a descending range.
std::optional<Token> parseList(QStringView pattern, qsizetype &at)
{
    Token token{Token::List, {}, false, {}};
    if (at < pattern.size() && pattern[at] == u'!') {
        token.negated = true;
        ++at;
    }
    while (at < pattern.size() && pattern[at] != u']') {
        const QChar low = pattern[at++];
        QChar high = low;
        if (at + 1 < pattern.size() && pattern[at] == u'-' && pattern[at + 1] != u']') {
            high = pattern[at + 1];
            at += 2;
            if (high < low)
                return std::nullopt;
        }
        token.ranges.emplace_back(low, high);
    }
    if (at >= pattern.size())
        return std::nullopt;
    ++at;
    return token;
}

// The pattern as tokens; runs of stars fold into one. Empty when malformed.
std::optional<std::vector<Token>> parse(QStringView pattern)
{
    std::vector<Token> tokens;
    qsizetype at = 0;
    while (at < pattern.size()) {
        const QChar c = pattern[at++];
        if (c == u'*') {
            if (tokens.empty() || tokens.back().kind != Token::Star)
                tokens.push_back({Token::Star, {}, false, {}});
        } else if (c == u'?') {
            tokens.push_back({Token::AnyChar, {}, false, {}});
        } else if (c == u'#') {
            tokens.push_back({Token::Digit, {}, false, {}});
        } else if (c == u'[') {
            std::optional<Token> list = parseList(pattern, at);
            if (!list)
                return std::nullopt;
            // "[]" holds nothing and stands for nothing.
            if (!list->ranges.empty() || list->negated)
                tokens.push_back(std::move(*list));
        } else {
            tokens.push_back({Token::Literal, c, false, {}});
        }
    }
    return tokens;
}

} // namespace

WildcardResult WildcardMatch(QStringView text, QStringView pattern)
{
    const std::optional<std::vector<Token>> parsed = parse(pattern);
    if (!parsed)
        return WildcardResult::Malformed;
    const std::vector<Token> &tokens = *parsed;

    // Greedy matching that, on a mismatch, lets only the latest star take one
    // more character. Since every other token is one character wide, earlier
    // stars never need to be revisited, which bounds the work by
    // text × pattern.
    std::size_t token = 0;
    qsizetype position = 0;
    std::optional<std::size_t> lastStar;
    qsizetype starPosition = 0;
    while (position < text.size()) {
        if (token < tokens.size() && tokens[token].kind == Token::Star) {
            lastStar = token++;
            starPosition = position;
        } else if (token < tokens.size() && tokens[token].accepts(text[position])) {
            ++token;
            ++position;
        } else if (lastStar) {
            token = *lastStar + 1;
            position = ++starPosition;
        } else {
            return WildcardResult::NoMatch;
        }
    }
    while (token < tokens.size() && tokens[token].kind == Token::Star)
        ++token;
    return token == tokens.size() ? WildcardResult::Match : WildcardResult::NoMatch;
}
