#include "session/Nls.h"

#include "platform/Failure.h"
#include "session/CString.h"
#include "session/NlsMath.h"

#include <openssl/crypto.h>

namespace {

void requireSize(const QByteArray &value, qsizetype size, const char *name)
{
    if (value.size() != size)
        throw Failure(Failure::InvalidCall,
                      QStringLiteral("%1 must be %2 bytes, not %3").arg(QLatin1String(name)).arg(size).arg(value.size()));
}

// a, uniform in [0, N): draws that land at N or above are thrown away.
std::optional<BigNumber> drawPrivateValue(RandomSource &random)
{
    for (;;) {
        const std::optional<QByteArray> bytes = random.draw(Nls::NumberSize);
        if (!bytes)
            return std::nullopt;
        BigNumber value = BigNumber::fromLittleEndian(*bytes);
        if (value < Nls::modulus())
            return value;
    }
}

}

NlsContext::NlsContext(QByteArray username, QByteArray password, BigNumber privateValue,
                       std::shared_ptr<RandomSource> random)
    : m_username(std::move(username)), m_password(std::move(password)), m_privateValue(std::move(privateValue)),
      m_clientKey(Nls::powerOfGenerator(m_privateValue).toLittleEndian(Nls::NumberSize)), m_random(std::move(random))
{
}

NlsContext::~NlsContext()
{
    OPENSSL_cleanse(m_password.data(), static_cast<std::size_t>(m_password.size()));
}

std::unique_ptr<NlsContext> nls_init(const QByteArray &username, const QByteArray &password,
                                     std::shared_ptr<RandomSource> random)
{
    std::optional<BigNumber> privateValue = drawPrivateValue(*random);
    if (!privateValue)
        return nullptr;
    return std::unique_ptr<NlsContext>(new NlsContext(Nls::upperCase(cString(username)),
                                                      Nls::upperCase(cString(password)), std::move(*privateValue),
                                                      std::move(random)));
}

void nls_free(std::unique_ptr<NlsContext> &context)
{
    context.reset();
}

QByteArray nls_get_A(const NlsContext &context)
{
    return context.m_clientKey;
}

const NlsContext::Exchange &NlsContext::answer(const QByteArray &serverKey, const QByteArray &salt)
{
    if (m_exchange) {
        if ((serverKey.isEmpty() && salt.isEmpty()) || (serverKey == m_exchange->serverKey && salt == m_exchange->salt))
            return *m_exchange;
        throw Failure(Failure::InvalidCall, QStringLiteral("This logon has already answered another server challenge"));
    }
    requireSize(serverKey, Nls::NumberSize, "B");
    requireSize(salt, Nls::NumberSize, "The salt");

    const BigNumber &n = Nls::modulus();
    const BigNumber x = Nls::passwordExponent(m_username, m_password, salt);
    const BigNumber base = BigNumber::fromLittleEndian(serverKey).modSubtract(Nls::powerOfGenerator(x), n);
    const BigNumber exponent = m_privateValue + BigNumber(Nls::scrambler(serverKey)) * x;
    const QByteArray key = Nls::sessionKey(base.modPower(exponent, n));
    const QByteArray clientProof = Nls::clientProof(m_username, salt, m_clientKey, serverKey, key);
    m_exchange = Exchange{serverKey, salt, clientProof, Nls::serverProof(m_clientKey, clientProof, key)};
    return *m_exchange;
}

QByteArray nls_get_M1(NlsContext &context, const QByteArray &B, const QByteArray &salt)
{
    return context.answer(B, salt).clientProof;
}

bool nls_check_M2(NlsContext &context, const QByteArray &M2, const QByteArray &B, const QByteArray &salt)
{
    requireSize(M2, Nls::DigestSize, "M2");
    const QByteArray &expected = context.answer(B, salt).serverProof;
    return CRYPTO_memcmp(M2.constData(), expected.constData(), static_cast<std::size_t>(Nls::DigestSize)) == 0;
}

std::optional<QByteArray> nls_account_create(NlsContext &context, qsizetype capacity)
{
    if (capacity < context.m_username.size() + 2 * Nls::NumberSize + 1)
        return std::nullopt;
    const std::optional<QByteArray> salt = context.m_random->draw(Nls::NumberSize);
    if (!salt)
        return std::nullopt;
    return *salt + Nls::verifier(context.m_username, context.m_password, *salt) + context.m_username + '\0';
}

std::optional<NlsChangeProof> nls_account_change_proof(NlsContext &context, const QByteArray &newPassword,
                                                       const QByteArray &B, const QByteArray &salt)
{
    const QByteArray oldProof = context.answer(B, salt).clientProof;
    std::unique_ptr<NlsContext> next = nls_init(context.m_username, newPassword, context.m_random);
    if (!next)
        return std::nullopt;
    const std::optional<QByteArray> newSalt = context.m_random->draw(Nls::NumberSize);
    if (!newSalt)
        return std::nullopt;
    QByteArray proof = oldProof + *newSalt + Nls::verifier(next->m_username, next->m_password, *newSalt);
    return NlsChangeProof{std::move(next), std::move(proof)};
}
