#include "session/ServerAddress.h"

#include "platform/Failure.h"

#include <QRegularExpression>

namespace {

quint16 portNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    const uint port = digits.match(text).hasMatch() ? text.toUInt() : 0;
    if (port < 1 || port > 65535)
        throw Failure(Failure::InvalidCall, QStringLiteral("Invalid server port \"%1\"").arg(text));
    return static_cast<quint16>(port);
}

} // namespace

ServerAddress ServerAddress::parse(const QString &setting)
{
    const QString text = setting.trimmed();
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        if (close > 0) {
            const QString rest = text.mid(close + 1);
            if (rest.isEmpty())
                return {text.mid(1, close - 1), kDefaultPort};
            if (rest.startsWith(QLatin1Char(':')))
                return {text.mid(1, close - 1), portNumber(rest.mid(1))};
        }
        throw Failure(Failure::InvalidCall, QStringLiteral("Invalid server address \"%1\"").arg(text));
    }
    if (text.count(QLatin1Char(':')) != 1)
        return {text, kDefaultPort};
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    return {text.left(colon), portNumber(text.mid(colon + 1))};
}
