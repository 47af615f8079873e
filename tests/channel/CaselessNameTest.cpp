#include "channel/CaselessName.h"

#include <gtest/gtest.h>

namespace {

// Names that are the same user or not, across the short ASCII way and the
// lower-case way: two equal names must hash alike, or a lookup misses.
TEST(CaselessName, EqualNamesHashAlikeWhicheverWayTheyAreCompared)
{
    const QString longName(70, QLatin1Char('A'));
    const struct {
        QString a;
        QString b;
        bool same;
    } cases[] = {
        {QStringLiteral("Bob"), QStringLiteral("bOB"), true},
        {QStringLiteral("Bob"), QStringLiteral("Bobby"), false},
        {QStringLiteral("Bob#2"), QStringLiteral("bob#3"), false},
        {QStringLiteral("[Clan]Tag"), QStringLiteral("[clan]tag"), true},
        // The Kelvin sign's lower case is a plain "k".
        {QStringLiteral("k"), QString(QChar(0x212A)), true},
        {QString::fromUtf8("\xc3\xa4rger"), QString::fromUtf8("\xc3\x84RGER"), true},
        {longName, longName.toLower(), true},
        {QString(), QString(), true},
        {QString(), QStringLiteral(" "), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.a.toStdString() + " / " + c.b.toStdString());
        EXPECT_EQ(CaselessName{c.a} == CaselessName{c.b}, c.same);
        EXPECT_EQ(c.a.toLower() == c.b.toLower(), c.same) << "the same as lower-case forms compare";
        if (c.same)
            EXPECT_EQ(qHash(CaselessName{c.a}, 7), qHash(CaselessName{c.b}, 7));
    }
}

} // namespace
