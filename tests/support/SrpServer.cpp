#include "support/SrpServer.h"

#include "session/NlsMath.h"

SrpServer::SrpServer(const QByteArray &username, QByteArray salt, const QByteArray &verifier,
                     const QByteArray &privateValue)
    : m_username(Nls::upperCase(username)), m_salt(std::move(salt)), m_verifier(BigNumber::fromLittleEndian(verifier)),
      m_privateValue(BigNumber::fromLittleEndian(privateValue)),
      m_serverKey(m_verifier.modAdd(Nls::powerOfGenerator(m_privateValue), Nls::modulus()).toLittleEndian(Nls::NumberSize))
{
}

SrpServer SrpServer::withPassword(const QByteArray &username, const QByteArray &password, const QByteArray &salt,
                                  const QByteArray &privateValue)
{
    return SrpServer(username, salt, Nls::verifier(Nls::upperCase(username), Nls::upperCase(password), salt),
                     privateValue);
}

std::optional<QByteArray> SrpServer::verify(const QByteArray &A, const QByteArray &M1) const
{
    // S = (A * v^u)^b, the same secret the client reaches as (B - v)^(a + u*x).
    const BigNumber &n = Nls::modulus();
    const BigNumber scrambled = m_verifier.modPower(BigNumber(Nls::scrambler(m_serverKey)), n);
    const BigNumber secret = BigNumber::fromLittleEndian(A).modMultiply(scrambled, n).modPower(m_privateValue, n);
    const QByteArray key = Nls::sessionKey(secret);
    if (Nls::clientProof(m_username, m_salt, A, m_serverKey, key) != M1)
        return std::nullopt;
    return Nls::serverProof(A, M1, key);
}
