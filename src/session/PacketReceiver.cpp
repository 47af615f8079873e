#include "session/PacketReceiver.h"

#include "packet/clsDataBuffer.h"
#include "profiles/Profile.h"
#include "session/clsConnection.h"

#include <QScopeGuard>

void PacketReceiver::DataArrival(const QByteArray &bytes)
{
    m_buffer.append(bytes);
    if (m_dispatching)
        return;
    m_dispatching = true;
    const auto loopEnded = qScopeGuard([this] { m_dispatching = false; });
    const clsConnection &connection = profile().connection();
    const quint32 attempt = connection.attempt();
    const bool live = connection.isCurrentAttempt(attempt);

    while (m_buffer.size() >= ReceiveBuffer::kHeaderLength) {
        const qint16 length = m_buffer.declaredLength();
        if (length < ReceiveBuffer::kHeaderLength) {
            // Nothing after such a header can be framed again: drop the
            // stream rather than wait for ever or spin on it.
            const quint8 firstByte = m_buffer.firstByte();
            m_buffer.clear();
            ReportViolation(firstByte);
            continue;
        }
        if (m_buffer.size() < length)
            break;
        // The message leaves the buffer before its handler runs, so a handler
        // that disconnects or reconnects never sees it again.
        HandleMessage(m_buffer.take(length));
        // A message that ended the connection leaves the rest of the read
        // to a dead one: nothing of it is handled.
        if (live && !connection.isCurrentAttempt(attempt)) {
            m_buffer.clear();
            break;
        }
    }
}

void PacketReceiver::HandleMessage(const QByteArray &bytes)
{
    try {
        clsDataBuffer message(bytes);
        const quint8 firstByte = message.ReadByte();
        if (firstByte != 0xFF) {
            ReportViolation(firstByte);
            return;
        }
        const quint8 id = message.ReadByte();
        message.position += 2;
        profile().dispatch(id, message);
    } catch (...) {
        profile().LogError(QStringLiteral("sckBNET_DataArrival"), QStringLiteral("frmMain"));
    }
}

void PacketReceiver::ReportViolation(quint8 firstByte)
{
    const QString hex = QStringLiteral("%1").arg(firstByte, 2, 16, QLatin1Char('0')).toUpper();
    profile().AddChat({Rgb(0xBD3D3D), QStringLiteral("Battle.net protocol violation occurred (0x%1)").arg(hex)});
    profile().connection().Disconnect();
}
