#include "session/BigNumber.h"

#include "platform/Failure.h"

#include <openssl/bn.h>
#include <new>

namespace {

void require(bool ok)
{
    if (!ok)
        throw std::bad_alloc();
}

const unsigned char *bytesOf(QByteArrayView bytes)
{
    return reinterpret_cast<const unsigned char *>(bytes.data());
}

}

void BigNumber::Free::operator()(BIGNUM *value) const
{
    BN_clear_free(value);
}

BigNumber::BigNumber() : m_value(BN_new())
{
    require(m_value != nullptr);
}

BigNumber::BigNumber(unsigned long value) : BigNumber()
{
    require(BN_set_word(m_value.get(), value) == 1);
}

BigNumber BigNumber::fromLittleEndian(QByteArrayView bytes)
{
    BigNumber number;
    require(BN_lebin2bn(bytesOf(bytes), static_cast<int>(bytes.size()), number.m_value.get()) != nullptr);
    return number;
}

QByteArray BigNumber::toLittleEndian(qsizetype width) const
{
    QByteArray bytes(width, Qt::Uninitialized);
    if (BN_bn2lebinpad(m_value.get(), reinterpret_cast<unsigned char *>(bytes.data()), static_cast<int>(width)) != width)
        throw Failure(Failure::Overflow, QStringLiteral("A number does not fit in %1 bytes").arg(width));
    return bytes;
}

bool operator<(const BigNumber &left, const BigNumber &right)
{
    return BN_cmp(left.m_value.get(), right.m_value.get()) < 0;
}

template <typename Operation> BigNumber BigNumber::compute(Operation operation)
{
    const std::unique_ptr<BN_CTX, decltype(&BN_CTX_free)> context(BN_CTX_new(), BN_CTX_free);
    require(context != nullptr);
    BigNumber result;
    require(operation(result.m_value.get(), context.get()) == 1);
    return result;
}

BigNumber operator+(const BigNumber &left, const BigNumber &right)
{
    return BigNumber::compute([&](BIGNUM *result, BN_CTX *) {
        return BN_add(result, left.m_value.get(), right.m_value.get());
    });
}

BigNumber operator*(const BigNumber &left, const BigNumber &right)
{
    return BigNumber::compute([&](BIGNUM *result, BN_CTX *context) {
        return BN_mul(result, left.m_value.get(), right.m_value.get(), context);
    });
}

// The modular operations share one shape: result, operands, modulus, context.
template <typename Operation>
BigNumber BigNumber::modular(Operation operation, const BigNumber &other, const BigNumber &modulus) const
{
    return compute([&](BIGNUM *result, BN_CTX *context) {
        return operation(result, m_value.get(), other.m_value.get(), modulus.m_value.get(), context);
    });
}

BigNumber BigNumber::modAdd(const BigNumber &other, const BigNumber &modulus) const
{
    return modular(BN_mod_add, other, modulus);
}

BigNumber BigNumber::modSubtract(const BigNumber &other, const BigNumber &modulus) const
{
    return modular(BN_mod_sub, other, modulus);
}

BigNumber BigNumber::modMultiply(const BigNumber &other, const BigNumber &modulus) const
{
    return modular(BN_mod_mul, other, modulus);
}

BigNumber BigNumber::modPower(const BigNumber &exponent, const BigNumber &modulus) const
{
    return modular(BN_mod_exp, exponent, modulus);
}
