#include "session/ReplyReader.h"

#include "packet/clsDataBuffer.h"
#include "platform/Failure.h"
#include "platform/ServerDataFailure.h"

#include <algorithm>

quint32 ReplyReader::int32()
{
    if (remaining() < 4)
        tooShort(QStringLiteral("a 32-bit value"));
    return static_cast<quint32>(m_message.ReadInt32());
}

QByteArray ReplyReader::bytes(qsizetype count)
{
    if (remaining() < count)
        tooShort(QStringLiteral("%1 bytes").arg(count));
    return m_message.ReadString(static_cast<qint32>(count));
}

QString ReplyReader::text()
{
    if (m_message.buffer.indexOf('\0', m_message.buffer.size() - remaining()) < 0)
        tooShort(QStringLiteral("a text"));
    return m_message.ReadCStringText();
}

qsizetype ReplyReader::remaining() const
{
    const qsizetype read = qsizetype{m_message.position} - 1;
    if (read < 0)
        throw Failure(Failure::OutOfRange,
                      QStringLiteral("Read position %1 lies before the start of the message").arg(m_message.position));
    return std::max<qsizetype>(m_message.buffer.size() - read, 0);
}

void ReplyReader::tooShort(const QString &field) const
{
    const quint8 id = m_message.buffer.size() > 1 ? static_cast<quint8>(m_message.buffer.at(1)) : 0;
    const QString hexId = QStringLiteral("%1").arg(id, 2, 16, QLatin1Char('0')).toUpper();
    throw ServerDataFailure(Failure::ProtocolData,
                  QStringLiteral("Message 0x%1 ends before %2 (%3 bytes left)").arg(hexId, field).arg(remaining()));
}
