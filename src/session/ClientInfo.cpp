#include "session/ClientInfo.h"

#include "packet/clsDataWriter.h"
#include "platform/Cp1252.h"
#include "platform/Failure.h"

#include <QRegularExpression>

namespace {

constexpr qsizetype kCodeLength = 4;

QByteArray productCode(const QString &product)
{
    QByteArray code = Cp1252::encode(product).left(kCodeLength);
    code.append(kCodeLength - code.size(), '\0');
    return code;
}

qint32 versionByte(const QString &verbyte)
{
    static const QRegularExpression hexDigits(QStringLiteral("^[0-9A-Fa-f]{1,8}$"));
    const QString text = verbyte.trimmed();
    if (text.isEmpty())
        return 0;
    if (!hexDigits.match(text).hasMatch())
        throw Failure(Failure::TypeMismatch, QStringLiteral("Type mismatch"));
    return static_cast<qint32>(text.toUInt(nullptr, 16));
}

} // namespace

QByteArray ClientInfoPayload(const QString &product, const QString &verbyte)
{
    clsDataWriter payload;
    payload.InsertInt32(0);                  // protocol id
    payload.InsertString(QByteArrayLiteral("68XI"));
    payload.InsertString(productCode(product));
    payload.InsertInt32(versionByte(verbyte));
    for (int field = 0; field < 5; ++field)  // language, local IP, time zone, locale, language id
        payload.InsertInt32(0);
    payload.InsertCString(QByteArrayLiteral("USA"));
    payload.InsertCString(QByteArrayLiteral("United States"));
    return payload.buffer;
}
