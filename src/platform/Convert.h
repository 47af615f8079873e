#pragma once

#include <QString>
#include <QtGlobal>

// Checked conversions of text to numbers, for values read from settings
// files and typed by the user. Surrounding spaces are allowed; anything else
// that is not a number throws Failure (type mismatch), a number out of range
// throws Failure (overflow).
qint16 ToInt16(const QString &text);
qint32 ToInt32(const QString &text);
double ToDouble(const QString &text);
