#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <memory>

typedef struct bignum_st BIGNUM;

// A non-negative integer of any size, owned; the arithmetic the logon needs
// and nothing more. Arithmetic fails only when memory runs out, and then
// throws std::bad_alloc.
class BigNumber {
public:
    explicit BigNumber(unsigned long value);
    // Reads the bytes least significant first.
    static BigNumber fromLittleEndian(QByteArrayView bytes);

    // Writes the number least significant first, zero-padded to `width`
    // bytes; a number too wide for that is a Failure, never a truncation.
    QByteArray toLittleEndian(qsizetype width) const;

    friend bool operator<(const BigNumber &left, const BigNumber &right);
    friend BigNumber operator+(const BigNumber &left, const BigNumber &right);
    friend BigNumber operator*(const BigNumber &left, const BigNumber &right);

    // Results lie in [0, modulus), whatever the sizes of the operands.
    BigNumber modAdd(const BigNumber &other, const BigNumber &modulus) const;
    BigNumber modSubtract(const BigNumber &other, const BigNumber &modulus) const;
    BigNumber modMultiply(const BigNumber &other, const BigNumber &modulus) const;
    BigNumber modPower(const BigNumber &exponent, const BigNumber &modulus) const;

private:
    struct Free {
        void operator()(BIGNUM *value) const;
    };

    BigNumber();
    template <typename Operation> static BigNumber compute(Operation operation);
    template <typename Operation>
    BigNumber modular(Operation operation, const BigNumber &other, const BigNumber &modulus) const;

    std::unique_ptr<BIGNUM, Free> m_value;
};
