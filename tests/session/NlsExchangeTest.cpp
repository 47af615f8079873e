#include "platform/Failure.h"
#include "session/Nls.h"
#include "session/NlsMath.h"
#include "support/ScriptedRandom.h"
#include "support/SrpServer.h"

#include <gtest/gtest.h>

namespace {

QByteArray randomBytes()
{
    return *systemRandom()->draw(Nls::NumberSize);
}

SrpServer serverFor(const QByteArray &username, const QByteArray &password)
{
    return SrpServer::withPassword(username, password, randomBytes(), randomBytes());
}

// A whole logon: A and M1 to the server, its M2 back to the client.
bool logOn(const SrpServer &server, NlsContext &client)
{
    const std::optional<QByteArray> M2 = server.verify(nls_get_A(client), nls_get_M1(client, server.B(), server.salt()));
    return M2 && nls_check_M2(client, *M2);
}

bool logOn(const SrpServer &server, const QByteArray &username, const QByteArray &password)
{
    return logOn(server, *nls_init(username, password));
}

std::shared_ptr<ScriptedRandom> pinned(char a)
{
    return std::make_shared<ScriptedRandom>(QByteArray(Nls::NumberSize, a));
}

const QByteArray B = QByteArray(Nls::NumberSize, '\x42');
const QByteArray Salt = QByteArray(Nls::NumberSize, '\x5a');

QByteArray pinnedProof(const QByteArray &username, const QByteArray &password)
{
    return nls_get_M1(*nls_init(username, password, pinned('\x07')), B, Salt);
}

}

TEST(NlsExchange, OnlyTheRightPasswordLogsOn)
{
    const SrpServer server = serverFor("Someone", "Right Password");
    EXPECT_TRUE(logOn(server, "Someone", "Right Password"));
    EXPECT_TRUE(logOn(server, "SOMEONE", "right password"));
    EXPECT_FALSE(logOn(server, "Someone", "Wrong Password"));
    EXPECT_FALSE(logOn(server, "Someone else", "Right Password"));
}

TEST(NlsExchange, ACreatedAccountLogsOn)
{
    std::unique_ptr<NlsContext> context = nls_init("NewUser", "Fresh");
    const std::optional<QByteArray> account = nls_account_create(*context, 7 + 65);
    ASSERT_TRUE(account);
    EXPECT_EQ(account->mid(64), QByteArray("NEWUSER", 8));
    const SrpServer server("NewUser", account->left(32), account->mid(32, 32), randomBytes());
    EXPECT_TRUE(logOn(server, "NewUser", "Fresh"));
    EXPECT_FALSE(logOn(server, "NewUser", "Stale"));
}

TEST(NlsExchange, AChangedPasswordLogsOnWithTheNewPasswordOnly)
{
    const SrpServer oldServer = serverFor("Changer", "Old");
    std::unique_ptr<NlsContext> context = nls_init("Changer", "Old");
    std::optional<NlsChangeProof> change = nls_account_change_proof(*context, "New", oldServer.B(), oldServer.salt());
    ASSERT_TRUE(change && change->context);
    EXPECT_TRUE(oldServer.verify(nls_get_A(*context), change->proof.left(20)));

    const SrpServer newServer("Changer", change->proof.mid(20, 32), change->proof.mid(52, 32), randomBytes());
    EXPECT_TRUE(logOn(newServer, *change->context));
    EXPECT_TRUE(logOn(newServer, "Changer", "New"));
    EXPECT_FALSE(logOn(newServer, "Changer", "Old"));
}

TEST(NlsContext, AnswersOneChallengeOnly)
{
    std::unique_ptr<NlsContext> context = nls_init("User", "Password");
    EXPECT_THROW(nls_check_M2(*context, QByteArray(20, '\0')), Failure);

    const QByteArray M1 = nls_get_M1(*context, B, Salt);
    EXPECT_EQ(nls_get_M1(*context, B, Salt), M1);
    EXPECT_EQ(nls_get_M1(*context, {}, {}), M1);
    EXPECT_FALSE(nls_check_M2(*context, QByteArray(20, '\0')));
    EXPECT_THROW(nls_get_M1(*context, Salt, B), Failure);
    EXPECT_THROW(nls_check_M2(*context, QByteArray(20, '\0'), B, {}), Failure);

    nls_free(context);
    EXPECT_EQ(context, nullptr);
}

TEST(NlsContext, RefusesValuesOfTheWrongSize)
{
    std::unique_ptr<NlsContext> context = nls_init("User", "Password");
    EXPECT_THROW(nls_get_M1(*context, B.left(31), Salt), Failure);
    EXPECT_THROW(nls_get_M1(*context, B, Salt + '\0'), Failure);
    EXPECT_THROW(nls_check_M2(*context, QByteArray(19, '\0'), B, Salt), Failure);
    EXPECT_THROW(nls_account_change_proof(*context, "New", B, {}), Failure);
    // Refusals leave the context free to answer a proper challenge.
    EXPECT_EQ(nls_get_M1(*context, B, Salt).size(), 20);
}

TEST(NlsContext, UpperCasesAsciiLettersAndStopsAtNul)
{
    const QByteArray proof = pinnedProof("TestUser", "secret");
    EXPECT_EQ(pinnedProof("testuser", "SECRET"), proof);
    EXPECT_EQ(pinnedProof(QByteArray("TestUser\0Tail", 13), QByteArray("secret\0tail", 11)), proof);
    EXPECT_NE(pinnedProof("TestUser", "secret!"), proof);
    // Accented letters of the code page keep their case.
    EXPECT_NE(pinnedProof("Ren\xe9", "secret"), pinnedProof("Ren\xc9", "secret"));
    EXPECT_NE(pinnedProof("TestUser", "s\xe9"), pinnedProof("TestUser", "s\xc9"));
}

TEST(NlsContext, FailsWithoutRandomness)
{
    EXPECT_EQ(nls_init("User", "Password", std::make_shared<ScriptedRandom>(QByteArray())), nullptr);

    std::unique_ptr<NlsContext> context = nls_init("User", "Password", pinned('\x01'));
    EXPECT_EQ(nls_account_create(*context, 4 + 65), std::nullopt);
    EXPECT_EQ(nls_account_change_proof(*context, "New", B, Salt), std::nullopt);
}

TEST(NlsContext, DrawsThePrivateValueBelowTheModulus)
{
    // A draw of N itself or above is thrown away and the next one taken.
    const auto random = std::make_shared<ScriptedRandom>(Nls::modulus().toLittleEndian(Nls::NumberSize)
                                                         + QByteArray(Nls::NumberSize, '\xff')
                                                         + QByteArray(Nls::NumberSize, '\x01'));
    std::unique_ptr<NlsContext> context = nls_init("User", "Password", random);
    ASSERT_TRUE(context);
    EXPECT_EQ(random->remaining(), 0);
    EXPECT_EQ(nls_get_A(*context), nls_get_A(*nls_init("User", "Password", pinned('\x01'))));
}
