#include "platform/WireText.h"

#include "support/QtPrinting.h"

#include <gtest/gtest.h>

namespace {

struct DecodeCase {
    const char *what;
    QByteArray bytes;
    QString text;
};

TEST(WireText, IncomingTextIsUtf8OnlyWhenItIsValidAndNotPlainAscii)
{
    const DecodeCase cases[] = {
        {"plain ASCII", QByteArray("hello"), QStringLiteral("hello")},
        {"Cyrillic in UTF-8", QByteArray("\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"),
         QString::fromUtf8("Привет")},
        {"CJK in UTF-8", QByteArray("\xE4\xBD\xA0\xE5\xA5\xBD"), QString::fromUtf8("你好")},
        {"emoji in UTF-8", QByteArray("ok \xF0\x9F\x98\x80"), QString::fromUtf8("ok 😀")},
        {"Windows-1252 accents", QByteArray("caf\xE9 na\xEFve"), QString::fromUtf8("café naïve")},
        {"Windows-1252 euro and quotes", QByteArray("\x80 \x93q\x94"), QString::fromUtf8("€ “q”")},
        {"Windows-1252 that looks like UTF-8", QByteArray("\xC3\xA9t\xC3\xA9"), QString::fromUtf8("été")},
        {"UTF-8 with a stray Windows-1252 byte", QByteArray("\xC3\xA9 \xE9"), QString::fromUtf8("Ã© é")},
        {"lead byte cut off at the end", QByteArray("ab\xE4\xBD"), QString::fromUtf8("abä½")},
        {"overlong slash", QByteArray("\xC0\xAF"), QString::fromUtf8("À¯")},
        {"overlong three-byte form", QByteArray("\xE0\x80\xAF"), QString::fromUtf8("à€¯")},
        {"surrogate half", QByteArray("\xED\xA0\x80"), QString::fromUtf8("í\u00A0€")},
        {"beyond U+10FFFF", QByteArray("\xF4\x90\x80\x80"), QString::fromUtf8("ô\u0090€€")},
        {"continuation without a lead", QByteArray("\x84\x80"), QString::fromUtf8("„€")},
    };
    for (const DecodeCase &c : cases)
        EXPECT_EQ(WireText::decode(c.bytes), c.text) << c.what;
}

struct EncodeCase {
    const char *what;
    QString text;
    WireEncoding encoding;
    QByteArray bytes;
    int unsendable;
};

TEST(WireText, OutgoingTextInEachEncoding)
{
    const EncodeCase cases[] = {
        {"accents, Windows-1252", QString::fromUtf8("café €"), WireEncoding::Windows1252, QByteArray("caf\xE9 \x80"),
         0},
        {"accents, UTF-8", QString::fromUtf8("café €"), WireEncoding::Utf8,
         QByteArray("caf\xC3\xA9 \xE2\x82\xAC"), 0},
        {"Greek, Windows-1252", QString::fromUtf8("αβ?"), WireEncoding::Windows1252, QByteArray("???"), 2},
        {"Greek, UTF-8", QString::fromUtf8("αβ"), WireEncoding::Utf8, QByteArray("\xCE\xB1\xCE\xB2"), 0},
        {"emoji is one character, Windows-1252", QString::fromUtf8("a😀"), WireEncoding::Windows1252,
         QByteArray("a?"), 1},
        {"emoji, UTF-8", QString::fromUtf8("😀"), WireEncoding::Utf8, QByteArray("\xF0\x9F\x98\x80"), 0},
        {"lone surrogate, UTF-8", QString(QChar(0xD800)), WireEncoding::Utf8, QString(QChar(0xD800)).toUtf8(), 1},
    };
    for (const EncodeCase &c : cases) {
        const WireText::Encoded encoded = WireText::encode(c.text, c.encoding);
        EXPECT_EQ(encoded.bytes, c.bytes) << c.what;
        EXPECT_EQ(encoded.unsendable, c.unsendable) << c.what;
    }
}

TEST(WireText, TheSettingChoosesUtf8OnlyByName)
{
    EXPECT_EQ(WireText::encodingFromSetting(QStringLiteral("UTF-8")), WireEncoding::Utf8);
    EXPECT_EQ(WireText::encodingFromSetting(QStringLiteral(" utf-8 ")), WireEncoding::Utf8);
    for (const char *other : {"", "Windows-1252", "UTF8", "latin1"})
        EXPECT_EQ(WireText::encodingFromSetting(QString::fromLatin1(other)), WireEncoding::Windows1252) << other;
}

} // namespace
