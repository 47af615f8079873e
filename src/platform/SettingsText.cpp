#include "platform/SettingsText.h"

#include "platform/Cp1252.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

constexpr char kSignature[] = "\xEF\xBB\xBF";
constexpr qsizetype kSignatureLength = 3;

bool fitsCp1252(const QString &text)
{
    return Cp1252::decode(Cp1252::encode(text)) == text;
}

bool plainAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

} // namespace

namespace SettingsText {

QByteArray encode(const QString &text)
{
    if (fitsCp1252(text))
        return Cp1252::encode(text);
    return QByteArray(kSignature, kSignatureLength) + text.toUtf8();
}

QString decode(const QByteArray &bytes)
{
    if (bytes.startsWith(QByteArrayView(kSignature, kSignatureLength)))
        return QString::fromUtf8(bytes.mid(kSignatureLength));
    if (!plainAscii(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8(bytes);
        if (!utf8.hasError())
            return text;
    }
    return Cp1252::decode(bytes);
}

bool storesExactly(const QString &text)
{
    return decode(encode(text)) == text;
}

} // namespace SettingsText
