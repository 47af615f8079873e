#pragma once

#include "session/BigNumber.h"

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

// The SRP arithmetic of the newer logon, shared by both ends of an exchange.
// Numbers travel as 32 bytes, least significant first; names and passwords
// (U and P) are already upper-cased. H is standard SHA-1.
namespace Nls {

inline constexpr qsizetype NumberSize = 32;
inline constexpr qsizetype DigestSize = 20;

const BigNumber &modulus();

// g^exponent mod N.
BigNumber powerOfGenerator(const BigNumber &exponent);

// ASCII letters only: bytes above 0x7f belong to whatever code page the user
// typed in, and the servers leave them alone too.
QByteArray upperCase(const QByteArray &text);

// x = H(salt, H(U ":" P)) read least significant byte first.
BigNumber passwordExponent(const QByteArray &username, const QByteArray &password, QByteArrayView salt);

// v = g^x, the 32 bytes a server stores instead of the password.
QByteArray verifier(const QByteArray &username, const QByteArray &password, QByteArrayView salt);

// u: the first four bytes of H(B), most significant first.
std::uint32_t scrambler(QByteArrayView serverKey);

// K: the hashes of the even and of the odd bytes of the 32-byte S, interleaved.
QByteArray sessionKey(const BigNumber &secret);

// M1 = H(I, H(U), salt, A, B, K), the client's proof of the password.
QByteArray clientProof(const QByteArray &username, QByteArrayView salt, QByteArrayView clientKey,
                       QByteArrayView serverKey, QByteArrayView key);

// M2 = H(A, M1, K), the server's proof that it knows the verifier.
QByteArray serverProof(QByteArrayView clientKey, QByteArrayView proof, QByteArrayView key);

}
