#include "session/Nls.h"
#include "session/NlsMath.h"
#include "support/LogonVectors.h"
#include "support/ScriptedRandom.h"
#include "support/SrpServer.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Each reference case, with its fields read as bytes.
class NlsVector {
public:
    explicit NlsVector(QJsonObject vector) : m_vector(std::move(vector)) {}

    QByteArray operator[](const char *key) const { return LogonVectors::bytes(m_vector, QLatin1String(key)); }
    QByteArray operator()(const char *group, const char *key) const
    {
        return LogonVectors::bytes(m_vector, QLatin1String(group), QLatin1String(key));
    }
    std::uint32_t scrambler() const
    {
        return static_cast<std::uint32_t>(m_vector[QLatin1String("intermediate")][QLatin1String("u")].toInteger());
    }
    qsizetype accountLength() const { return m_vector[QLatin1String("account_create")][QLatin1String("length")].toInt(); }

    // A context of this case's user whose random draws are `a`, then `script`.
    std::unique_ptr<NlsContext> context(const std::shared_ptr<ScriptedRandom> &random) const
    {
        return nls_init((*this)["username_hex"], (*this)["password_hex"], random);
    }
    std::shared_ptr<ScriptedRandom> script(const QByteArray &afterA = {}) const
    {
        return std::make_shared<ScriptedRandom>((*this)["a"] + afterA);
    }

private:
    QJsonObject m_vector;
};

void forEachVector(const std::function<void(const NlsVector &)> &check)
{
    for (const QJsonValue value : LogonVectors::section(QStringLiteral("nls"))) {
        SCOPED_TRACE(value[QLatin1String("username")].toString().toStdString());
        check(NlsVector(value.toObject()));
    }
}

}

TEST(NlsVectors, IntermediateValuesMatch)
{
    forEachVector([](const NlsVector &v) {
        const QByteArray username = Nls::upperCase(v["username_hex"]);
        const QByteArray password = Nls::upperCase(v["password_hex"]);
        EXPECT_EQ(Nls::passwordExponent(username, password, v["salt"]).toLittleEndian(Nls::DigestSize),
                  v("intermediate", "x"));
        EXPECT_EQ(Nls::verifier(username, password, v["salt"]), v("intermediate", "v"));
        EXPECT_EQ(Nls::scrambler(v["B"]), v.scrambler());
        EXPECT_EQ(Nls::sessionKey(BigNumber::fromLittleEndian(v("intermediate", "S"))), v("intermediate", "K"));
    });
}

TEST(NlsVectors, LogonMatches)
{
    forEachVector([](const NlsVector &v) {
        const QByteArray flipped = v("M2_check", "flipped_M2");
        const auto random = v.script();
        std::unique_ptr<NlsContext> context = v.context(random);
        ASSERT_TRUE(context);
        EXPECT_EQ(random->remaining(), 0);
        EXPECT_EQ(nls_get_A(*context), v["A"]);
        EXPECT_EQ(nls_get_M1(*context, v["B"], v["salt"]), v["M1"]);
        EXPECT_TRUE(nls_check_M2(*context, v["M2"], v["B"], v["salt"]));
        EXPECT_FALSE(nls_check_M2(*context, flipped, v["B"], v["salt"]));

        // A context that never gave M1 checks M2 just the same.
        EXPECT_TRUE(nls_check_M2(*v.context(v.script()), v["M2"], v["B"], v["salt"]));
        EXPECT_FALSE(nls_check_M2(*v.context(v.script()), flipped, v["B"], v["salt"]));
    });
}

TEST(NlsVectors, AccountCreationMatches)
{
    forEachVector([](const NlsVector &v) {
        const auto random = v.script(v("account_create", "salt_in"));
        std::unique_ptr<NlsContext> context = v.context(random);
        ASSERT_TRUE(context);

        // Too small a buffer gets nothing and draws nothing.
        EXPECT_EQ(nls_account_create(*context, v.accountLength() - 1), std::nullopt);
        EXPECT_EQ(random->remaining(), Nls::NumberSize);

        EXPECT_EQ(nls_account_create(*context, v.accountLength()), v("account_create", "buffer"));
        EXPECT_EQ(v("account_create", "buffer").size(), v.accountLength());
    });
}

TEST(NlsVectors, PasswordChangeMatches)
{
    forEachVector([](const NlsVector &v) {
        const auto random = v.script(v("change_proof", "new_a") + v("change_proof", "new_salt"));
        std::unique_ptr<NlsContext> context = v.context(random);
        ASSERT_TRUE(context);
        std::optional<NlsChangeProof> change =
            nls_account_change_proof(*context, v("change_proof", "new_password_hex"), v["B"], v["salt"]);
        ASSERT_TRUE(change && change->context);
        EXPECT_EQ(random->remaining(), 0);
        EXPECT_EQ(change->proof, v("change_proof", "proof"));
        EXPECT_EQ(nls_get_A(*change->context), v("change_proof", "new_A"));
        // The old context still answers its own challenge.
        EXPECT_TRUE(nls_check_M2(*context, v["M2"]));
    });
}

TEST(NlsVectors, TheTestServerMatchesEveryExchange)
{
    forEachVector([](const NlsVector &v) {
        const SrpServer server = SrpServer::withPassword(v["username_hex"], v["password_hex"], v["salt"], v["server_b"]);
        EXPECT_EQ(server.B(), v["B"]);
        EXPECT_EQ(server.verify(v["A"], v["M1"]), v["M2"]);
        EXPECT_EQ(server.verify(v["A"], v("M2_check", "flipped_M2")), std::nullopt);
    });
}
