#include "packet/clsDataBuffer.h"

#include "FailureNumber.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (const int value : values)
        bytes.append(static_cast<char>(value));
    return bytes;
}

} // namespace

TEST(clsDataBuffer, ReadsLittleEndianSignedIntegers)
{
    clsDataBuffer reader(Bytes({0x78, 0x56, 0x34, 0x12, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80, 0xFF}));
    EXPECT_EQ(reader.ReadInt32(), 0x12345678);
    EXPECT_EQ(reader.ReadInt16(), -1);
    EXPECT_EQ(reader.ReadInt32(), std::numeric_limits<qint32>::min());
    EXPECT_EQ(reader.ReadByte(), 255);
    EXPECT_EQ(reader.position, 12);
}

TEST(clsDataBuffer, ReadsZeroTerminatedStringsOneAfterAnother)
{
    clsDataBuffer reader(QByteArray("abc\0de\0", 7));
    EXPECT_EQ(reader.ReadCString(), "abc");
    EXPECT_EQ(reader.position, 5);
    EXPECT_EQ(reader.ReadByte(QByteArray()), 'd') << "an empty source string reads from the buffer";
    reader.position = 5;
    EXPECT_EQ(reader.ReadCString(), "de");
    EXPECT_EQ(reader.position, 8);
    EXPECT_EQ(FailureNumberOf([&] { reader.ReadCString(); }), Failure::OutOfRange);
}

TEST(clsDataBuffer, UnterminatedStringRunsToTheEndAndLeavesNothingToRead)
{
    clsDataBuffer reader(QByteArray("\0xyz", 4));
    EXPECT_EQ(reader.ReadCString(), QByteArray());
    EXPECT_EQ(reader.ReadCString(), "xyz");
    EXPECT_EQ(reader.position, 5);
    EXPECT_EQ(FailureNumberOf([&] { reader.ReadByte(); }), Failure::OutOfRange);
    EXPECT_EQ(reader.position, 5);
}

TEST(clsDataBuffer, FixedWidthStringKeepsZeroBytes)
{
    clsDataBuffer reader(QByteArray("\xFF\x00\x01\x00\x7F", 5));
    EXPECT_EQ(reader.ReadString(4), QByteArray("\xFF\x00\x01\x00", 4));
    EXPECT_EQ(reader.ReadString(0), QByteArray());
    EXPECT_EQ(reader.position, 5);
}

TEST(clsDataBuffer, ShortReadsReturnWhatIsThereAndStillAdvanceByTheFullWidth)
{
    clsDataBuffer reader(Bytes({0x01, 0x02, 0x03}));
    reader.position = 2;
    EXPECT_EQ(reader.ReadInt32(), 0x0302);
    EXPECT_EQ(reader.position, 6);
    EXPECT_EQ(reader.ReadInt16(), 0) << "past the end every byte counts as zero";
    EXPECT_EQ(reader.position, 8);

    reader.position = 3;
    EXPECT_EQ(reader.ReadString(20), Bytes({0x03}));
    EXPECT_EQ(reader.position, 23);
    EXPECT_EQ(FailureNumberOf([&] { reader.ReadByte(); }), Failure::OutOfRange);
    EXPECT_EQ(FailureNumberOf([&] { reader.ReadCString(); }), Failure::OutOfRange);
}

TEST(clsDataBuffer, SourceStringIsReadFromItsStartWithoutMovingPosition)
{
    clsDataBuffer reader(Bytes({0xFF, 0x3A, 0x08, 0x00, 0x02, 0x00, 0x00, 0x00}));
    reader.position = 7;
    EXPECT_EQ(reader.ReadInt32(reader.buffer.mid(4)), 2);
    EXPECT_EQ(reader.ReadInt16(Bytes({0xFE})), 0xFE) << "a short source is padded with zero bytes";
    EXPECT_EQ(reader.ReadByte(Bytes({0x3A, 0x01})), 0x3A);
    EXPECT_EQ(reader.ReadString(3, "ab"), "ab");
    EXPECT_EQ(reader.ReadCString(QByteArray("name\0rest", 9)), "name");
    EXPECT_EQ(reader.ReadCString("unterminated"), "unterminated");
    EXPECT_EQ(reader.position, 7);
}

TEST(clsDataBuffer, HandlersCanSkipPartOfAFieldByMovingPosition)
{
    clsDataBuffer reader(Bytes({0xFF, 0x3A, 0x0A, 0x00, 0x01, 0x00, 0x00, 0x00, 'x', 0x00}));
    reader.position = 5;
    EXPECT_EQ(reader.ReadByte(), 1);
    reader.position += 3;
    EXPECT_EQ(reader.ReadCString(), "x");
}

TEST(clsDataBuffer, DecodesTextFromTheWireCodePage)
{
    clsDataBuffer reader(QByteArray("\x80 \xE9\0", 4));
    EXPECT_EQ(reader.ReadCStringText(), QString::fromUtf8("€ é"));
    EXPECT_EQ(reader.position, 5);
}

TEST(clsDataBuffer, RefusesPositionsBeforeTheStartAndNegativeLengths)
{
    clsDataBuffer reader(Bytes({0x01, 0x02, 0x03, 0x04}));
    for (const qint32 position : {0, -1, std::numeric_limits<qint32>::min()}) {
        reader.position = position;
        EXPECT_EQ(FailureNumberOf([&] { reader.ReadByte(); }), Failure::OutOfRange) << position;
        EXPECT_EQ(FailureNumberOf([&] { reader.ReadInt16(); }), Failure::OutOfRange) << position;
        EXPECT_EQ(FailureNumberOf([&] { reader.ReadInt32(); }), Failure::OutOfRange) << position;
        EXPECT_EQ(FailureNumberOf([&] { reader.ReadString(1); }), Failure::OutOfRange) << position;
        EXPECT_EQ(FailureNumberOf([&] { reader.ReadCString(); }), Failure::OutOfRange) << position;
        EXPECT_EQ(reader.position, position);
    }
    reader.position = 1;
    EXPECT_EQ(FailureNumberOf([&] { reader.ReadString(-1); }), Failure::InvalidCall);
    EXPECT_EQ(FailureNumberOf([&] { reader.ReadString(-1, "abc"); }), Failure::InvalidCall);
    EXPECT_EQ(reader.position, 1);
}

TEST(clsDataBuffer, RefusesToMovePositionBeyondItsRange)
{
    clsDataBuffer reader(Bytes({0x01}));
    reader.position = std::numeric_limits<qint32>::max() - 1;
    EXPECT_EQ(FailureNumberOf([&] { reader.ReadInt32(); }), Failure::Overflow);
    EXPECT_EQ(reader.position, std::numeric_limits<qint32>::max() - 1);
    reader.position = 1;
    EXPECT_EQ(FailureNumberOf([&] { reader.ReadString(std::numeric_limits<qint32>::max()); }), Failure::Overflow);
    EXPECT_EQ(reader.position, 1);
}
