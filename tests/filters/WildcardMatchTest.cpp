#include "filters/WildcardMatch.h"

#include <QString>
#include <gtest/gtest.h>

namespace {

struct Case {
    const char *text;
    const char *pattern;
    WildcardResult expected;
};

constexpr auto Match = WildcardResult::Match;
constexpr auto NoMatch = WildcardResult::NoMatch;
constexpr auto Malformed = WildcardResult::Malformed;

const Case kCases[] = {
    {"", "", Match},
    {"", "*", Match},
    {"a", "", NoMatch},
    {"hello", "hello", Match},
    {"hello", "hell", NoMatch},
    {"hello", "h*o", Match},
    {"ho", "h*o", Match},
    {"hxoy", "h*o", NoMatch},
    {"abc", "a?c", Match},
    {"ac", "a?c", NoMatch},
    {"a7c", "a#c", Match},
    {"axc", "a#c", NoMatch},
    {"b", "[abc]", Match},
    {"d", "[abc]", NoMatch},
    {"d", "[!abc]", Match},
    {"a", "[!abc]", NoMatch},
    {"m", "[a-z]", Match},
    {"5", "[a-z0-9]", Match},
    {"-", "[a-]", Match},
    {"!", "[!]", Match},
    {"ab", "a[]b", Match},
    {"x]", "x]", Match},
    {"mybot2", "*bot*", Match},
    {"aaaa", "*a*a*a*a*a*", NoMatch},
    {"abcabd", "*ab?", Match},
    {"mississippi", "m*issip*", Match},
    {"mississippi", "m*issix*", NoMatch},
    {"a[b", "a[b", Malformed},
    {"anything", "*[abc", Malformed},
    {"z", "[z-a]", Malformed},
};

} // namespace

TEST(WildcardMatch, Table)
{
    for (const Case &c : kCases) {
        EXPECT_EQ(WildcardMatch(QString::fromLatin1(c.text), QString::fromLatin1(c.pattern)), c.expected)
            << "text \"" << c.text << "\" pattern \"" << c.pattern << '"';
    }
}
