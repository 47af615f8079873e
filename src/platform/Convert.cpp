#include "platform/Convert.h"

#include "platform/Failure.h"

#include <QRegularExpression>

#include <limits>

namespace {

[[noreturn]] void typeMismatch()
{
    throw Failure(Failure::TypeMismatch, QStringLiteral("Type mismatch"));
}

qint64 toInteger(const QString &text, qint64 lowest, qint64 highest)
{
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    const QString trimmed = text.trimmed();
    if (!wholeNumber.match(trimmed).hasMatch())
        typeMismatch();
    bool ok = false;
    const qint64 value = trimmed.toLongLong(&ok);
    if (!ok)
        throw Failure(Failure::Overflow, QStringLiteral("Overflow"));
    if (value < lowest || value > highest)
        throw Failure(Failure::Overflow, QStringLiteral("Overflow"));
    return value;
}

} // namespace

qint16 ToInt16(const QString &text)
{
    return static_cast<qint16>(
        toInteger(text, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

qint32 ToInt32(const QString &text)
{
    return static_cast<qint32>(
        toInteger(text, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

double ToDouble(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        typeMismatch();
    return value;
}
