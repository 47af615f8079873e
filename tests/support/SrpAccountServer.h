#pragma once

#include "support/SrpServer.h"
#include "support/TestServer.h"

#include <QByteArray>
#include <optional>

// The server side of the SRP logon and its account management on a
// TestServer, for one account at most: it answers 0x53 with its challenge
// (status 1 while there is no account), checks the client's proof 0x54 and
// answers with its own, registers accounts from 0x52, and carries out
// password changes (0x55, 0x56) by checking the old password's proof and
// registering the new salt and verifier.
class SrpAccountServer {
public:
    explicit SrpAccountServer(TestServer &server);

    void createAccount(const QByteArray &username, const QByteArray &password);
    bool hasAccount() const { return m_account.has_value(); }
    // The status an accepted 0x54 proof is answered with.
    quint32 acceptedStatus = 0;
    // Sent in place of the genuine M2 when set.
    std::optional<QByteArray> forgedM2;

private:
    void challenge(int connection, quint8 id, const QByteArray &A);
    void registerAccount(const QByteArray &username, const QByteArray &salt, const QByteArray &verifier);
    QByteArray proofAnswer(const QByteArray &M1) const;

    TestServer &m_server;
    QByteArray m_username;
    std::optional<SrpServer> m_account;
    QByteArray m_A;
};
