#include "session/NlsMath.h"

#include "session/Sha1.h"

#include <QtEndian>

namespace Nls {

namespace {

constexpr unsigned long Generator = 47;

// I = H(g) xor H(N), mixed into every client proof.
const QByteArray &groupHash()
{
    static const QByteArray hash = [] {
        QByteArray result = sha1({QByteArray(1, static_cast<char>(Generator))});
        const QByteArray modulusHash = sha1({modulus().toLittleEndian(NumberSize)});
        for (qsizetype i = 0; i < result.size(); ++i)
            result[i] = static_cast<char>(result[i] ^ modulusHash[i]);
        return result;
    }();
    return hash;
}

}

const BigNumber &modulus()
{
    static const BigNumber n = BigNumber::fromLittleEndian(
        QByteArray::fromHex("87c7238565f61612d91232c7786c977e55b592a08cb68621031899618b1afff8"));
    return n;
}

BigNumber powerOfGenerator(const BigNumber &exponent)
{
    static const BigNumber g(Generator);
    return g.modPower(exponent, modulus());
}

QByteArray upperCase(const QByteArray &text)
{
    QByteArray result = text;
    for (char &byte : result) {
        if (byte >= 'a' && byte <= 'z')
            byte = static_cast<char>(byte - 'a' + 'A');
    }
    return result;
}

BigNumber passwordExponent(const QByteArray &username, const QByteArray &password, QByteArrayView salt)
{
    return BigNumber::fromLittleEndian(sha1({salt, sha1({username, ":", password})}));
}

QByteArray verifier(const QByteArray &username, const QByteArray &password, QByteArrayView salt)
{
    return powerOfGenerator(passwordExponent(username, password, salt)).toLittleEndian(NumberSize);
}

std::uint32_t scrambler(QByteArrayView serverKey)
{
    return qFromBigEndian<std::uint32_t>(sha1({serverKey}).constData());
}

QByteArray sessionKey(const BigNumber &secret)
{
    const QByteArray bytes = secret.toLittleEndian(NumberSize);
    QByteArray even, odd;
    for (qsizetype i = 0; i < bytes.size(); i += 2) {
        even.append(bytes[i]);
        odd.append(bytes[i + 1]);
    }
    const QByteArray evenHash = sha1({even});
    const QByteArray oddHash = sha1({odd});
    QByteArray key;
    for (qsizetype i = 0; i < DigestSize; ++i)
        key.append(evenHash[i]).append(oddHash[i]);
    return key;
}

QByteArray clientProof(const QByteArray &username, QByteArrayView salt, QByteArrayView clientKey,
                       QByteArrayView serverKey, QByteArrayView key)
{
    return sha1({groupHash(), sha1({username}), salt, clientKey, serverKey, key});
}

QByteArray serverProof(QByteArrayView clientKey, QByteArrayView proof, QByteArrayView key)
{
    return sha1({clientKey, proof, key});
}

}
