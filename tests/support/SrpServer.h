#pragma once

#include "session/BigNumber.h"

#include <QByteArray>
#include <optional>

// The server's half of an SRP logon, for driving the client through whole
// exchanges: it holds an account's salt and verifier and a private value b.
class SrpServer {
public:
    SrpServer(const QByteArray &username, QByteArray salt, const QByteArray &verifier, const QByteArray &privateValue);
    // An account registered with this password.
    static SrpServer withPassword(const QByteArray &username, const QByteArray &password, const QByteArray &salt,
                                  const QByteArray &privateValue);

    // The challenge: salt and B = (v + g^b) mod N.
    const QByteArray &salt() const { return m_salt; }
    const QByteArray &B() const { return m_serverKey; }

    // M2 when the client's M1 proves the password, nothing otherwise.
    std::optional<QByteArray> verify(const QByteArray &A, const QByteArray &M1) const;

private:
    QByteArray m_username;
    QByteArray m_salt;
    BigNumber m_verifier;
    BigNumber m_privateValue;
    QByteArray m_serverKey;
};
