#include "session/Nls.h"
#include "support/ScriptedRandom.h"
#include "support/SrpServer.h"

#include <gtest/gtest.h>

// Numbers whose most significant byte is zero still travel as full 32 bytes.
// The expected values were computed apart from this code, with Python's
// hashlib and pow(), for inputs searched out to give such numbers.
namespace {

const QByteArray Username = "ZeroPad";
const QByteArray Password = "Padding";
const QByteArray A = QByteArray::fromHex("3aad79e43c849b7015f6e41739b388b78009bd7f51ecc2b76835133055eac64b");
const QByteArray Salt = QByteArray::fromHex("b295d117135a9763da282e7dae73a5ca7d3e5b116baa5061cd4082e2bd71b9ed");
const QByteArray ServerB = QByteArray::fromHex("d41d525b386ceaf9329afe7d353d3ab2ee5d7427000000000000000000000000");

// With this b, both B and S are below 2^248.
const QByteArray B = QByteArray::fromHex("1b56f47f121600e25338c441f50ac06c342f1a6c3b0a07339355a8a9eb7d6000");
const QByteArray M1 = QByteArray::fromHex("b6c604f9768cd616c6268b52963545a008434deb");
const QByteArray M2 = QByteArray::fromHex("2d83530cd89b9408bc92a23e7ec13e606886eb77");

std::shared_ptr<ScriptedRandom> script(const QByteArray &afterA = {})
{
    return std::make_shared<ScriptedRandom>(A + afterA);
}

}

TEST(NlsZeroPadding, ASecretBelow2To248GivesTheRightProofs)
{
    const SrpServer server = SrpServer::withPassword(Username, Password, Salt, ServerB);
    EXPECT_EQ(server.B(), B);

    std::unique_ptr<NlsContext> context = nls_init(Username, Password, script());
    EXPECT_EQ(nls_get_M1(*context, B, Salt), M1);
    EXPECT_TRUE(nls_check_M2(*context, M2));
    EXPECT_EQ(server.verify(nls_get_A(*context), M1), M2);
}

TEST(NlsZeroPadding, AVerifierBelow2To248IsWrittenInFull)
{
    const QByteArray salt = QByteArray::fromHex("af4b6a691b10e96bca3ae79107c0bb6aa2a19c1b000000000000000000000000");
    std::unique_ptr<NlsContext> context = nls_init(Username, Password, script(salt));
    EXPECT_EQ(nls_account_create(*context, Username.size() + 65),
              salt
                  + QByteArray::fromHex("e19a38a3e23f4e48983aa320ffd4a328d2048d9333a289646c97eaf0be144200")
                  + QByteArray("ZEROPAD", 8));
}

TEST(NlsZeroPadding, ANewVerifierBelow2To248IsWrittenInFull)
{
    const QByteArray newSalt = QByteArray::fromHex("83d114ccada6ac5f52b41253461c01a4230850d8000000000000000000000000");
    std::unique_ptr<NlsContext> context = nls_init(Username, Password, script(QByteArray(32, '\x11') + newSalt));
    const std::optional<NlsChangeProof> change = nls_account_change_proof(*context, "NewPad", B, Salt);
    ASSERT_TRUE(change);
    EXPECT_EQ(change->proof,
              M1 + newSalt + QByteArray::fromHex("1d2829008f79e676c44c6d8a84f8ea095008f8a78d72a7c26c683ddc0d59a600"));
}
