#include "session/ProfileKeys.h"

#include "packet/clsDataWriter.h"
#include "platform/Cp1252.h"

namespace ProfileKeys {

QStringList profileKeys()
{
    return {QStringLiteral("profile\\sex"), QStringLiteral("profile\\age"), QStringLiteral("profile\\location"),
            QStringLiteral("profile\\description")};
}

QStringList accountKeys(const QString &product)
{
    const QString record = QStringLiteral("record\\") + product.toUpper() + QStringLiteral("\\0\\");
    return {record + QStringLiteral("wins"),
            record + QStringLiteral("losses"),
            record + QStringLiteral("disconnects"),
            record + QStringLiteral("last GAME"),
            record + QStringLiteral("last GAME result"),
            QStringLiteral("system\\username"),
            QStringLiteral("system\\account created"),
            QStringLiteral("system\\last logon"),
            QStringLiteral("system\\last logoff"),
            QStringLiteral("system\\time logged")};
}

QByteArray readRequest(const QString &accountName, const QStringList &keys, quint32 requestId,
                       WireEncoding encoding)
{
    clsDataWriter writer;
    writer.InsertInt32(1);
    writer.InsertInt32(static_cast<qint32>(keys.size()));
    writer.InsertInt32(static_cast<qint32>(requestId));
    writer.InsertCString(WireText::encode(accountName, encoding).bytes);
    for (const QString &key : keys)
        writer.InsertCStringText(key);
    return writer.buffer;
}

WireText::Encoded writeRequest(const QString &userName, const QString &sex, const QString &location,
                               const QString &description, WireEncoding encoding)
{
    clsDataWriter writer;
    writer.InsertInt32(1);
    writer.InsertInt32(kProfileKeyCount);
    writer.InsertCString(WireText::encode(userName, encoding).bytes);
    for (const QString &key : profileKeys())
        writer.InsertCStringText(key);
    int unsendable = 0;
    for (const QString &value : {sex, QString(), location, description}) {
        const WireText::Encoded text = WireText::encode(value, encoding);
        writer.InsertCString(text.bytes);
        unsendable += text.unsendable;
    }
    return {writer.buffer, unsendable};
}

QStringList replyValues(const QByteArray &values, int parts)
{
    QStringList split;
    qsizetype start = 0;
    while (split.size() < parts - 1) {
        const qsizetype end = values.indexOf('\0', start);
        if (end < 0)
            break;
        split.append(Cp1252::decode(values.mid(start, end - start)));
        start = end + 1;
    }
    if (start < values.size() || split.size() < parts)
        split.append(Cp1252::decode(values.mid(start)));
    return split;
}

}
