#include "packet/clsDataWriter.h"

#include "packet/clsDataBuffer.h"

#include "FailureNumber.h"

#include <gtest/gtest.h>

#include <limits>

TEST(clsDataWriter, WritesIntegersLittleEndian)
{
    clsDataWriter writer;
    writer.InsertInt32(-1);
    writer.InsertInt32(0x12345678);
    writer.InsertInt16(-2);
    writer.InsertByte(0xAB);
    EXPECT_EQ(writer.buffer, QByteArray("\xFF\xFF\xFF\xFF\x78\x56\x34\x12\xFE\xFF\xAB", 11));
    EXPECT_EQ(clsDataWriter::CreateInt16(0x0102), QByteArray("\x02\x01", 2));
}

TEST(clsDataWriter, BuildsTheClientInformationFieldsInWireOrder)
{
    clsDataWriter writer;
    EXPECT_TRUE(writer.buffer.isEmpty());
    writer.InsertInt32(0);
    writer.InsertString("68XI");
    writer.InsertString("RATS");
    writer.InsertString({});
    writer.InsertCString("USA");
    EXPECT_EQ(writer.buffer,
        QByteArray("\0\0\0\0"
                   "68XIRATS"
                   "USA\0",
            16));
}

TEST(clsDataWriter, TerminatesTextFieldsAndEncodesThemInTheWireCodePage)
{
    clsDataWriter writer;
    writer.InsertCString({});
    EXPECT_EQ(writer.buffer, QByteArray(1, '\0'));
    writer.InsertCStringText(QString::fromUtf8("é€"));
    EXPECT_EQ(writer.buffer, QByteArray("\0\xE9\x80\0", 4));
}

TEST(clsDataWriter, RefusesTextThatHoldsAZeroByte)
{
    clsDataWriter writer;
    writer.InsertByte(1);
    EXPECT_EQ(FailureNumberOf([&] { writer.InsertCString(QByteArray("ab\0cd", 5)); }), Failure::ProtocolData);
    EXPECT_EQ(
        FailureNumberOf([&] { writer.InsertCStringText(QStringLiteral("x") + QChar(0)); }), Failure::ProtocolData);
    EXPECT_EQ(writer.buffer, QByteArray(1, '\1'));
}

TEST(clsDataWriter, WhatTheWriterBuildsTheReaderReadsBack)
{
    clsDataWriter writer;
    writer.InsertInt32(std::numeric_limits<qint32>::min());
    writer.InsertInt32(std::numeric_limits<qint32>::max());
    writer.InsertInt16(std::numeric_limits<qint16>::min());
    writer.InsertByte(0);
    writer.InsertString(QByteArray("\0\1", 2));
    writer.InsertCStringText(QStringLiteral("Chat"));

    clsDataBuffer reader(writer.buffer);
    EXPECT_EQ(reader.ReadInt32(), std::numeric_limits<qint32>::min());
    EXPECT_EQ(reader.ReadInt32(), std::numeric_limits<qint32>::max());
    EXPECT_EQ(reader.ReadInt16(), std::numeric_limits<qint16>::min());
    EXPECT_EQ(reader.ReadByte(), 0);
    EXPECT_EQ(reader.ReadString(2), QByteArray("\0\1", 2));
    EXPECT_EQ(reader.ReadCStringText(), QStringLiteral("Chat"));
    EXPECT_EQ(reader.position, reader.buffer.size() + 1);
}
