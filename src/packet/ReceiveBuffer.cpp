#include "packet/ReceiveBuffer.h"

#include "platform/Failure.h"

namespace {

[[noreturn]] void notBuffered()
{
    throw Failure(Failure::OutOfRange, QStringLiteral("Subscript out of range"));
}

} // namespace

void ReceiveBuffer::append(const QByteArray &bytes)
{
    if (m_start > 0) {
        m_bytes.remove(0, m_start);
        m_start = 0;
    }
    m_bytes.append(bytes);
}

quint8 ReceiveBuffer::byteAt(qsizetype offset) const
{
    if (offset < 0 || offset >= size())
        notBuffered();
    return static_cast<quint8>(m_bytes[m_start + offset]);
}

quint8 ReceiveBuffer::firstByte() const
{
    return byteAt(0);
}

qint16 ReceiveBuffer::declaredLength() const
{
    const auto low = static_cast<quint16>(byteAt(2));
    const auto high = static_cast<quint16>(byteAt(3));
    return static_cast<qint16>(static_cast<quint16>(low | high << 8));
}

QByteArray ReceiveBuffer::take(qsizetype count)
{
    if (count < 0 || count > size())
        notBuffered();
    QByteArray taken = m_bytes.mid(m_start, count);
    m_start += count;
    if (m_start == m_bytes.size())
        clear();
    return taken;
}

void ReceiveBuffer::clear()
{
    m_bytes.resize(0);
    m_start = 0;
}
