#include "packet/ReceiveBuffer.h"

#include "FailureNumber.h"

#include <gtest/gtest.h>

TEST(ReceiveBuffer, TakesFromTheFrontAcrossAppendsWithoutLosingOrder)
{
    ReceiveBuffer buffer;
    buffer.append("abcdef");
    EXPECT_EQ(buffer.take(2), "ab");
    buffer.append("gh");
    EXPECT_EQ(buffer.size(), 6);
    EXPECT_EQ(buffer.take(3), "cde");
    EXPECT_EQ(buffer.firstByte(), 'f');
    EXPECT_EQ(buffer.take(3), "fgh");
    EXPECT_TRUE(buffer.isEmpty());
}

TEST(ReceiveBuffer, ReadsTheLengthFieldAsSigned16BitLittleEndian)
{
    ReceiveBuffer buffer;
    buffer.append(QByteArray("\xFF\x25\x08\x00", 4));
    EXPECT_EQ(buffer.declaredLength(), 8);
    buffer.clear();
    buffer.append(QByteArray("\xFF\x0F\x00\x80", 4));
    EXPECT_EQ(buffer.declaredLength(), -32768);
}

TEST(ReceiveBuffer, RefusesToReadWhatIsNotBuffered)
{
    ReceiveBuffer buffer;
    EXPECT_EQ(FailureNumberOf([&] { buffer.firstByte(); }), Failure::OutOfRange);
    buffer.append(QByteArray("\xFF\x25\x08", 3));
    EXPECT_EQ(FailureNumberOf([&] { buffer.declaredLength(); }), Failure::OutOfRange);
    EXPECT_EQ(FailureNumberOf([&] { buffer.take(4); }), Failure::OutOfRange);
    EXPECT_EQ(FailureNumberOf([&] { buffer.take(-1); }), Failure::OutOfRange);
    EXPECT_EQ(buffer.size(), 3);
}
