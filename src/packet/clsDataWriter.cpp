#include "packet/clsDataWriter.h"

#include "platform/Cp1252.h"
#include "platform/Failure.h"

#include <cstdint>

namespace {

template <typename Unsigned>
QByteArray LittleEndianBytes(Unsigned value)
{
    QByteArray bytes;
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    return bytes;
}

} // namespace

void clsDataWriter::InsertByte(quint8 value)
{
    buffer.append(static_cast<char>(value));
}

void clsDataWriter::InsertInt16(qint16 value)
{
    buffer.append(CreateInt16(value));
}

void clsDataWriter::InsertInt32(qint32 value)
{
    buffer.append(CreateInt32(value));
}

void clsDataWriter::InsertString(const QByteArray &bytes)
{
    buffer.append(bytes);
}

void clsDataWriter::InsertCString(const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        throw Failure(Failure::ProtocolData,
            QStringLiteral("A text field cannot hold a zero byte (at offset %1)").arg(bytes.indexOf('\0')));
    buffer.append(bytes);
    buffer.append('\0');
}

void clsDataWriter::InsertCStringText(const QString &text)
{
    InsertCString(Cp1252::encode(text));
}

QByteArray clsDataWriter::CreateInt16(qint16 value)
{
    return LittleEndianBytes(static_cast<quint16>(value));
}

QByteArray clsDataWriter::CreateInt32(qint32 value)
{
    return LittleEndianBytes(static_cast<quint32>(value));
}
