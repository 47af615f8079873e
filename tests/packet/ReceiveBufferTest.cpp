#include "packet/ReceiveBuffer.h"

#include "FailureNumber.h"

#include <gtest/gtest.h>

// Order across appends and the length field are covered through the receive
// loop; here only the reads of bytes that are not there.
TEST(ReceiveBuffer, RefusesToReadWhatIsNotBuffered)
{
    ReceiveBuffer buffer;
    EXPECT_EQ(FailureNumberOf([&] { buffer.firstByte(); }), Failure::OutOfRange);
    buffer.append(QByteArray("\xFF\x25\x08", 3));
    EXPECT_EQ(FailureNumberOf([&] { buffer.declaredLength(); }), Failure::OutOfRange);
    EXPECT_EQ(FailureNumberOf([&] { buffer.take(4); }), Failure::OutOfRange);
    EXPECT_EQ(FailureNumberOf([&] { buffer.take(-1); }), Failure::OutOfRange);
    EXPECT_EQ(buffer.take(2), "\xFF\x25");
    EXPECT_EQ(FailureNumberOf([&] { buffer.take(2); }), Failure::OutOfRange);
    EXPECT_EQ(buffer.size(), 1);
}
