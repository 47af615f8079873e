#include "commands/CommandLine.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, SplitsIntoAtMostThreePieces)
{
    const CommandLine whisper = CommandLine::parse(QStringLiteral("/w name hi  there"));
    EXPECT_EQ(whisper.word, QStringLiteral("/w"));
    EXPECT_EQ(whisper.argument, QStringLiteral("name"));
    EXPECT_EQ(whisper.rest, QStringLiteral("hi  there"));
    const CommandLine spaced = CommandLine::parse(QStringLiteral("/p  2"));
    EXPECT_EQ(spaced.argument, QString());
    EXPECT_EQ(spaced.rest, QStringLiteral("2"));
    EXPECT_EQ(CommandLine::parse(QStringLiteral("/cc")).argument, QString());
}

TEST(CommandLine, Diablo2NamesGetTheirStar)
{
    const QString d2 = QStringLiteral("PX2D");
    EXPECT_EQ(WithDiablo2Names(QStringLiteral("/w name hi there"), d2), QStringLiteral("/w *name hi there"));
    EXPECT_EQ(WithDiablo2Names(QStringLiteral("/m name hi"), QStringLiteral("VD2D")), QStringLiteral("/m *name hi"));
    EXPECT_EQ(WithDiablo2Names(QStringLiteral("/ignore name"), d2), QStringLiteral("/ignore *name "));
    EXPECT_EQ(WithDiablo2Names(QStringLiteral("/whereis name"), d2), QStringLiteral("/whereis *name "));
    EXPECT_EQ(WithDiablo2Names(QStringLiteral("/W name hi"), d2), QStringLiteral("/W name hi"));
    EXPECT_EQ(WithDiablo2Names(QStringLiteral("/whois name"), d2), QStringLiteral("/whois name"));
    EXPECT_EQ(WithDiablo2Names(QStringLiteral("hello /w x"), d2), QStringLiteral("hello /w x"));
    EXPECT_EQ(WithDiablo2Names(QStringLiteral("/w name text"), QStringLiteral("RATS")), QStringLiteral("/w name text"));
}

} // namespace
