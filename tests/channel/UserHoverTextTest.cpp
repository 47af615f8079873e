#include "channel/UserHoverText.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(UserHoverText, AServersTextCannotAddLinesOfItsOwn)
{
    const QString hover = UserHoverText(u"Clan\r\nPing: 0\u2029Flags: 16\uFDD0"_s, 42, 2, 61000);
    EXPECT_EQ(hover, u"Clan\u240D\u240APing: 0\uFFFDFlags: 16\uFFFD\r\nPing: 42\r\nFlags: 2\r\nUptime: "_s +
                         hover.section(u"Uptime: "_s, 1));
    EXPECT_EQ(hover.count(u"\r\n"_s), 3);
}
