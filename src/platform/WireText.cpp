#include "platform/WireText.h"

#include "platform/Cp1252.h"

namespace {

// Length of the sequence a lead byte starts, 0 for a byte that cannot lead.
int sequenceLength(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// The allowed range of the byte after the lead, which rules out overlong
// forms, surrogates and code points above U+10FFFF.
bool secondByteFits(unsigned char lead, unsigned char second)
{
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    return second >= low && second <= high;
}

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

namespace WireText {

WireEncoding encodingFromSetting(const QString &setting)
{
    return setting.trimmed().compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0 ? WireEncoding::Utf8
                                                                                       : WireEncoding::Windows1252;
}

QString settingFor(WireEncoding encoding)
{
    return encoding == WireEncoding::Utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1252");
}

Encoded encode(const QString &text, WireEncoding encoding)
{
    Encoded result;
    if (encoding == WireEncoding::Utf8) {
        // Lone surrogates cannot be written; Qt puts U+FFFD in their place.
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar unit = text.at(i);
            if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                ++i;
            else if (unit.isSurrogate())
                ++result.unsendable;
        }
        result.bytes = text.toUtf8();
        return result;
    }
    result.bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        // A character outside the Basic Multilingual Plane is one character
        // to the user and one "?" on the wire.
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            result.bytes.append('?');
            ++result.unsendable;
            continue;
        }
        const QByteArray byte = Cp1252::encode(QString(unit));
        if (byte == "?" && unit != u'?')
            ++result.unsendable;
        result.bytes.append(byte);
    }
    return result;
}

bool isNonAsciiUtf8(const QByteArray &bytes)
{
    bool nonAscii = false;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes.at(i));
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const int length = sequenceLength(lead);
        if (length == 0 || i + length > bytes.size())
            return false;
        if (!secondByteFits(lead, static_cast<unsigned char>(bytes.at(i + 1))))
            return false;
        for (int k = 2; k < length; ++k) {
            if (!isContinuation(static_cast<unsigned char>(bytes.at(i + k))))
                return false;
        }
        nonAscii = true;
        i += length;
    }
    return nonAscii;
}

QString decode(const QByteArray &bytes)
{
    return isNonAsciiUtf8(bytes) ? QString::fromUtf8(bytes) : Cp1252::decode(bytes);
}

QString decode(const QByteArray &bytes, WireEncoding encoding)
{
    return encoding == WireEncoding::Utf8 ? QString::fromUtf8(bytes) : Cp1252::decode(bytes);
}

} // namespace WireText
