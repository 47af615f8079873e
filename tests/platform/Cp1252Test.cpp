#include "platform/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, RoundTripsEveryByte)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(static_cast<char>(byte));
    EXPECT_EQ(Cp1252::encode(Cp1252::decode(all)), all);
}

TEST(Cp1252, MapsTheHighControlRangeAndReplacesTheUnencodable)
{
    EXPECT_EQ(Cp1252::decode(QByteArray("\x80\x99", 2)), QString::fromUtf8("€™"));
    EXPECT_EQ(Cp1252::encode(QString::fromUtf8("é€✓")), QByteArray("\xE9\x80?", 3));
}

TEST(Cp1252, LowerCasesAccentedLetters)
{
    EXPECT_EQ(Cp1252::toLower(QString::fromUtf8("SecrÉT\u0160\u0178")), QString::fromUtf8("secrét\u0161\u00FF"));
}
