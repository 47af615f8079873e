#pragma once

#include <QByteArray>
#include <cstdint>

// Password proofs of the classic logon. The password is hashed exactly as
// given: callers lower-case it (Cp1252::toLower) before encoding it, because
// the servers store the hash of the lower-cased password. Only the first 64
// bytes count. Both return 20 bytes.
QByteArray hashPassword(const QByteArray &password);

// The proof sent on the wire: the password hash salted with both tokens of
// the connection, so that a captured proof is worthless on another one.
QByteArray doubleHashPassword(const QByteArray &password, std::uint32_t clientToken, std::uint32_t serverToken);
