#include "support/LogonVectors.h"

#include <QFile>
#include <QJsonDocument>
#include <stdexcept>

namespace LogonVectors {

QJsonArray section(const QString &name)
{
    QFile file(QStringLiteral(TARNWELL_TESTDATA "/logon-vectors.json"));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("logon-vectors.json cannot be read");
    const QJsonArray cases = QJsonDocument::fromJson(file.readAll()).object().value(name).toArray();
    if (cases.isEmpty())
        throw std::runtime_error("logon-vectors.json has no cases for " + name.toStdString());
    return cases;
}

QByteArray bytes(const QJsonObject &vector, const QString &key)
{
    if (!vector.value(key).isString())
        throw std::runtime_error("a logon vector has no field " + key.toStdString());
    return QByteArray::fromHex(vector.value(key).toString().toLatin1());
}

QByteArray bytes(const QJsonObject &vector, const QString &group, const QString &key)
{
    return bytes(vector.value(group).toObject(), key);
}

}
