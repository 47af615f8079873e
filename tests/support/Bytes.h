#pragma once

#include <QByteArray>

#include <cstddef>

// The bytes of a string literal that may hold zero bytes, without the
// literal's own terminator: bytes("hi\0") is the three bytes h, i, 0.
template <std::size_t N>
QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}
