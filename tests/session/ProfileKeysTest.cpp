#include "session/ProfileKeys.h"

#include "support/Bytes.h"

#include <gtest/gtest.h>

namespace {


TEST(ProfileKeys, RequestsCarryTheirFieldsInOrder)
{
    const QByteArray read = ProfileKeys::readRequest(QStringLiteral("Ann"), ProfileKeys::accountKeys(QStringLiteral("rats")), 0x01020304,
                                                     WireEncoding::Windows1252);
    EXPECT_TRUE(read.startsWith(bytes("\x01\0\0\0\x0A\0\0\0\x04\x03\x02\x01" "Ann\0record\\RATS\\0\\wins\0")));
    EXPECT_TRUE(read.endsWith(bytes("system\\time logged\0")));

    const QByteArray write = ProfileKeys::writeRequest(QStringLiteral("Ann#2"), QStringLiteral("f"), QStringLiteral("Tarn"),
                                                       QString::fromUtf8("Caf\u00e9"), WireEncoding::Windows1252).bytes;
    const QByteArray texts = write.mid(8);
    EXPECT_EQ(write.left(8), bytes("\x01\0\0\0\x04\0\0\0"));
    EXPECT_EQ(texts.count('\0'), 9) << "name, four keys, four values";
    EXPECT_TRUE(texts.endsWith(bytes("profile\\description\0f\0\0Tarn\0Caf\xE9\0")));
}

TEST(ProfileKeys, RepliesSplitIntoAtMostTheWantedParts)
{
    const QByteArray values = bytes("a\0b\0c\0d\0");
    EXPECT_EQ(ProfileKeys::replyValues(values, 10), (QStringList{"a", "b", "c", "d", ""}));
    EXPECT_EQ(ProfileKeys::replyValues(values, 3), (QStringList{"a", "b", QString::fromLatin1("c\0d\0", 4)}));
    EXPECT_EQ(ProfileKeys::replyValues(bytes("x"), 4), QStringList{"x"});
}

} // namespace
