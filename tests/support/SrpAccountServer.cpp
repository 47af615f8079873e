#include "support/SrpAccountServer.h"

#include "packet/clsDataWriter.h"
#include "session/NlsMath.h"
#include "session/RandomSource.h"

namespace {

QByteArray Status(quint32 status)
{
    return clsDataWriter::CreateInt32(static_cast<qint32>(status));
}

QByteArray RandomNumber()
{
    return *systemRandom()->draw(Nls::NumberSize);
}

QByteArray NameAt(const QByteArray &payload, qsizetype at)
{
    return payload.mid(at, payload.indexOf('\0', at) - at);
}

const QByteArray kNoNumber(Nls::NumberSize, '\0');
const QByteArray kNoDigest(Nls::DigestSize, '\0');

} // namespace

SrpAccountServer::SrpAccountServer(TestServer &server) : m_server(server)
{
    m_server.onMessage(0x53, [this](int to, const TestServer::Message &m) { challenge(to, 0x53, m.payload.left(32)); });
    m_server.onMessage(0x55, [this](int to, const TestServer::Message &m) { challenge(to, 0x55, m.payload.left(32)); });
    m_server.onMessage(0x54, [this](int to, const TestServer::Message &m) {
        m_server.sendMessage(to, 0x54, proofAnswer(m.payload));
    });
    m_server.onMessage(0x52, [this](int to, const TestServer::Message &m) {
        registerAccount(NameAt(m.payload, 64), m.payload.left(32), m.payload.mid(32, 32));
        m_server.sendMessage(to, 0x52, Status(0));
    });
    m_server.onMessage(0x56, [this](int to, const TestServer::Message &m) {
        const std::optional<QByteArray> M2 = m_account->verify(m_A, m.payload.left(Nls::DigestSize));
        if (!M2) {
            m_server.sendMessage(to, 0x56, Status(2));
            return;
        }
        registerAccount(m_username, m.payload.mid(20, 32), m.payload.mid(52, 32));
        m_server.sendMessage(to, 0x56, Status(0) + forgedM2.value_or(*M2));
    });
}

void SrpAccountServer::createAccount(const QByteArray &username, const QByteArray &password)
{
    m_username = username;
    m_account = SrpServer::withPassword(username, password, RandomNumber(), RandomNumber());
}

void SrpAccountServer::registerAccount(const QByteArray &username, const QByteArray &salt,
                                       const QByteArray &verifier)
{
    m_username = username;
    m_account = SrpServer(username, salt, verifier, RandomNumber());
}

void SrpAccountServer::challenge(int connection, quint8 id, const QByteArray &A)
{
    m_A = A;
    if (!m_account) {
        m_server.sendMessage(connection, id, Status(1) + kNoNumber + kNoNumber);
        return;
    }
    m_server.sendMessage(connection, id, Status(0) + m_account->salt() + m_account->B());
}

QByteArray SrpAccountServer::proofAnswer(const QByteArray &M1) const
{
    const std::optional<QByteArray> M2 = m_account->verify(m_A, M1);
    if (!M2)
        return Status(2) + kNoDigest;
    return Status(acceptedStatus) + forgedM2.value_or(*M2);
}
