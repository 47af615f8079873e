#include "update/UpdateReply.h"

#include <gtest/gtest.h>

namespace {

// A reply as the update server gives it: status line, eight headers, the
// empty line and the version as line 11.
QByteArray reply(const QByteArray &version, const QByteArray &end = "\r\n")
{
    QByteArray text = "HTTP/1.1 200 OK\r\n";
    for (int header = 1; header <= 8; ++header)
        text += "X-Header-" + QByteArray::number(header) + ": value\r\n";
    return text + "\r\n" + version + end;
}

TEST(UpdateReply, DecidesFromLineElevenByPlainCharacterComparison)
{
    using Kind = UpdateDecision::Kind;
    struct Case {
        const char *name;
        QByteArray bytes;
        bool closed;
        UpdateDecision expected;
    };
    const QByteArray longLine(kMaxUpdateReplyBytes + 1, 'x');
    const Case cases[] = {
        {"newer", reply("1.1.3"), false, {Kind::Offer, "1.1.3"}},
        {"same", reply("1.1.2"), false, {Kind::NoUpdate, {}}},
        {"older", reply("1.0.9"), false, {Kind::NoUpdate, {}}},
        {"1.1.10 sorts before 1.1.2", reply("1.1.10"), false, {Kind::NoUpdate, {}}},
        {"empty line 11", reply(""), false, {Kind::NoUpdate, {}}},
        {"line 11 not yet ended", reply("1.1.3", ""), false, {Kind::Wait, {}}},
        {"last line ended by the close", reply("1.1.3", ""), true, {Kind::Offer, "1.1.3"}},
        {"lines after 11 do not matter", reply("1.2", "\r\nmore\r\n"), false, {Kind::Offer, "1.2"}},
        {"too few lines so far", "HTTP/1.1 200 OK\r\n\r\n", false, {Kind::Wait, {}}},
        {"too few lines at the close", "HTTP/1.1 200 OK\r\n\r\n1.1.3", true, {Kind::NoUpdate, {}}},
        {"nothing at all", "", true, {Kind::NoUpdate, {}}},
        {"bare line feeds do not end lines", reply("1.1.3").replace("\r\n", "\n"), true, {Kind::NoUpdate, {}}},
        {"too long without line 11", longLine, false, {Kind::TooLong, {}}},
        {"too long even when closed", longLine, true, {Kind::TooLong, {}}},
        {"line 11 within the bound, junk after it", reply("1.1.3") + longLine, false, {Kind::Offer, "1.1.3"}},
        {"line 11 cut by the bound", longLine.left(kMaxUpdateReplyBytes - 100) + reply("1.1.3" + QByteArray(200, '9')),
         false, {Kind::TooLong, {}}},
    };
    for (const Case &each : cases) {
        const UpdateDecision decision = DecideUpdate(each.bytes, each.closed);
        EXPECT_EQ(decision.kind, each.expected.kind) << each.name;
        EXPECT_EQ(decision.newest, each.expected.newest) << each.name;
    }
}

} // namespace
