#pragma once

#include <QByteArray>
#include <QString>

// The payload of the client information message 0x50 for a profile's
// product code (four characters in wire order, e.g. "RATS") and version byte
// (hexadecimal text, e.g. "CD"; empty means 0).
//
// The product field is always four bytes, cut or padded with zero bytes, so a
// mistyped code cannot shift the fields behind it. A version byte that is not
// hexadecimal throws Failure.
QByteArray ClientInfoPayload(const QString &product, const QString &verbyte);
