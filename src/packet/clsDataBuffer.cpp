#include "packet/clsDataBuffer.h"

#include "platform/Failure.h"
#include "platform/ServerDataFailure.h"
#include "platform/WireText.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

template <typename Signed, typename Unsigned>
Signed ExtractLittleEndian(QByteArrayView bytes)
{
    const qsizetype width = std::min<qsizetype>(bytes.size(), sizeof(Unsigned));
    std::uint32_t value = 0;
    for (qsizetype i = 0; i < width; ++i)
        value |= std::uint32_t{static_cast<std::uint8_t>(bytes.at(i))} << (8 * i);
    // Two's complement conversion: the bits are carried over unchanged.
    return static_cast<Signed>(static_cast<Unsigned>(value));
}

QByteArray BeforeFirstZero(const QByteArray &bytes, qsizetype from)
{
    const qsizetype zero = bytes.indexOf('\0', from);
    return zero < 0 ? bytes.mid(from) : bytes.mid(from, zero - from);
}

} // namespace

clsDataBuffer::clsDataBuffer(QByteArray message)
    : buffer(std::move(message))
{
}

quint8 clsDataBuffer::ReadByte(const QByteArray &source)
{
    if (!source.isEmpty())
        return static_cast<quint8>(source.front());
    RequireByteAtPosition();
    const auto value = static_cast<quint8>(buffer.at(IndexOfPosition()));
    Advance(1);
    return value;
}

qint16 clsDataBuffer::ReadInt16(const QByteArray &source)
{
    return ExtractInt16(FieldBytes(2, source));
}

qint32 clsDataBuffer::ReadInt32(const QByteArray &source)
{
    return ExtractInt32(FieldBytes(4, source));
}

QByteArray clsDataBuffer::ReadString(qint32 length, const QByteArray &source)
{
    if (length < 0)
        throw ServerDataFailure(Failure::InvalidCall, QStringLiteral("Cannot read a field of negative length %1").arg(length));
    return FieldBytes(length, source).toByteArray();
}

QByteArray clsDataBuffer::ReadCString(const QByteArray &source)
{
    if (!source.isEmpty())
        return BeforeFirstZero(source, 0);
    RequireByteAtPosition();
    const qsizetype start = IndexOfPosition();
    QByteArray text = BeforeFirstZero(buffer, start);
    // Past the terminator, or just past the end when the message lacks one.
    const qsizetype consumed = std::min(text.size() + 1, buffer.size() - start);
    Advance(consumed);
    return text;
}

QString clsDataBuffer::ReadCStringText(const QByteArray &source)
{
    // UTF-8 where the text is valid UTF-8 and not plain ASCII, else
    // Windows-1252.
    return WireText::decode(ReadCString(source));
}

qint16 clsDataBuffer::ExtractInt16(QByteArrayView bytes)
{
    return ExtractLittleEndian<qint16, quint16>(bytes);
}

qint32 clsDataBuffer::ExtractInt32(QByteArrayView bytes)
{
    return ExtractLittleEndian<qint32, quint32>(bytes);
}

qsizetype clsDataBuffer::IndexOfPosition() const
{
    if (position < 1)
        throw Failure(
            Failure::OutOfRange, QStringLiteral("Read position %1 lies before the start of the message").arg(position));
    return position - 1;
}

void clsDataBuffer::RequireByteAtPosition() const
{
    if (IndexOfPosition() >= buffer.size())
        throw ServerDataFailure(Failure::OutOfRange,
            QStringLiteral("Nothing left to read at position %1 of a %2-byte message")
                .arg(position)
                .arg(buffer.size()));
}

void clsDataBuffer::Advance(qsizetype width)
{
    if (width > std::numeric_limits<qint32>::max() - position)
        throw Failure(
            Failure::Overflow, QStringLiteral("Read position %1 cannot move on by %2 bytes").arg(position).arg(width));
    position += static_cast<qint32>(width);
}

QByteArrayView clsDataBuffer::TakeFromBuffer(qsizetype width)
{
    const qsizetype start = IndexOfPosition();
    const QByteArrayView bytes =
        start < buffer.size() ? QByteArrayView(buffer).sliced(start, std::clamp<qsizetype>(width, 0, buffer.size() - start))
                              : QByteArrayView();
    Advance(width);
    return bytes;
}

QByteArrayView clsDataBuffer::FieldBytes(qsizetype width, const QByteArray &source)
{
    return source.isEmpty() ? TakeFromBuffer(width)
                            : QByteArrayView(source).first(std::clamp<qsizetype>(width, 0, source.size()));
}
