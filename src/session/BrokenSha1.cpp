#include "session/BrokenSha1.h"

#include <QtEndian>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {

constexpr int BlockSize = 64;

std::uint32_t roundFunction(int round, std::uint32_t b, std::uint32_t c, std::uint32_t d)
{
    if (round < 20)
        return (b & c) | (~b & d);
    if (round >= 40 && round < 60)
        return (b & c) | (b & d) | (c & d);
    return b ^ c ^ d;
}

constexpr std::array<std::uint32_t, 4> RoundConstants{0x5a827999, 0x6ed9eba1, 0x8f1bbcdc, 0xca62c1d6};

}

QByteArray brokenSha1(const QByteArray &data)
{
    std::array<unsigned char, BlockSize> block{};
    std::memcpy(block.data(), data.constData(), static_cast<std::size_t>(qMin(data.size(), qsizetype{BlockSize})));

    std::array<std::uint32_t, 80> w{};
    for (std::size_t t = 0; t < 16; ++t)
        w[t] = qFromLittleEndian<std::uint32_t>(block.data() + 4 * t);
    for (std::size_t t = 16; t < w.size(); ++t)
        w[t] = std::uint32_t{1} << ((w[t - 3] ^ w[t - 8] ^ w[t - 14] ^ w[t - 16]) % 32);

    std::array<std::uint32_t, 5> state{0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476, 0xc3d2e1f0};
    auto [a, b, c, d, e] = state;
    for (int t = 0; t < 80; ++t) {
        const std::uint32_t temp = std::rotl(a, 5) + roundFunction(t, b, c, d) + e
                                   + RoundConstants[static_cast<std::size_t>(t / 20)] + w[static_cast<std::size_t>(t)];
        e = d;
        d = c;
        c = std::rotl(b, 30);
        b = a;
        a = temp;
    }
    const std::array<std::uint32_t, 5> working{a, b, c, d, e};

    QByteArray digest(20, Qt::Uninitialized);
    for (std::size_t i = 0; i < state.size(); ++i)
        qToLittleEndian<std::uint32_t>(state[i] + working[i], digest.data() + 4 * i);
    return digest;
}
