#include "session/PasswordHash.h"
#include "support/LogonVectors.h"

#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

std::uint32_t token(const QJsonObject &vector, const char *key)
{
    return static_cast<std::uint32_t>(vector.value(QLatin1String(key)).toInteger());
}

}

TEST(PasswordHash, MatchesEveryReferenceHash)
{
    for (const QJsonValue value : LogonVectors::section(QStringLiteral("hash"))) {
        const QJsonObject vector = value.toObject();
        SCOPED_TRACE(vector.value(QLatin1String("password_hex")).toString().toStdString());
        EXPECT_EQ(hashPassword(LogonVectors::bytes(vector, QStringLiteral("password_hex"))).toHex(),
                  vector.value(QLatin1String("hash")).toString().toLatin1());
    }
}

TEST(PasswordHash, MatchesEveryReferenceDoubleHash)
{
    for (const QJsonValue value : LogonVectors::section(QStringLiteral("double_hash"))) {
        const QJsonObject vector = value.toObject();
        SCOPED_TRACE(QJsonDocument(vector).toJson(QJsonDocument::Compact).toStdString());
        EXPECT_EQ(doubleHashPassword(LogonVectors::bytes(vector, QStringLiteral("password_hex")),
                                     token(vector, "client_token"), token(vector, "server_token"))
                      .toHex(),
                  vector.value(QLatin1String("hash")).toString().toLatin1());
    }
}

TEST(PasswordHash, EndsThePasswordAtItsFirstNul)
{
    const QByteArray withNul("pass\0word", 9);
    EXPECT_EQ(hashPassword(withNul), hashPassword("pass"));
    EXPECT_EQ(doubleHashPassword(withNul, 1, 2), doubleHashPassword("pass", 1, 2));
    EXPECT_NE(hashPassword("pass"), hashPassword("password"));
}
