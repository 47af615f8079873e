#pragma once

#include <QString>

// Describes a Diablo II or Lord of Destruction character: "PX2D" or "VD2D",
// then realm, ",", character name, ",", and at least 31 bytes of character
// data. The data arrives as text decoded from the wire's code page; it is
// encoded back to recover the original bytes, which the code page maps one to
// one. Throws a Failure for data too short or malformed to describe.
QString DescribeDiablo2(const QString &statstring);
