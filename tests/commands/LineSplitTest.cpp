#include "commands/LineSplit.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

QStringList Pieces(const QString &line, int maxBytes, WireEncoding encoding = WireEncoding::Windows1252)
{
    const LinePieces split = SplitLongLine(line, maxBytes, encoding);
    QStringList pieces;
    for (const QString &piece : split.pieces)
        pieces.append(piece);
    return split.refused ? QStringList{QStringLiteral("<refused>")} : pieces;
}

TEST(SplitLongLine, CutsAtSpacesRepeatingWhatAddressesTheLine)
{
    const struct {
        QString line;
        int maxBytes;
        QStringList pieces;
    } cases[] = {
        {QStringLiteral("short enough"), 12, {QStringLiteral("short enough")}},
        {QStringLiteral("one two three four"), 9, {QStringLiteral("one two"), QStringLiteral("three"), QStringLiteral("four")}},
        // A word alone too long is cut inside; the rest still at spaces.
        {QStringLiteral("ab abcdefghij k"), 4, {QStringLiteral("ab"), QStringLiteral("abcd"), QStringLiteral("efgh"), QStringLiteral("ij k")}},
        {QStringLiteral("/w bob one two three"), 14, {QStringLiteral("/w bob one two"), QStringLiteral("/w bob three")}},
        {QStringLiteral("/W *bob one two"), 12, {QStringLiteral("/W *bob one"), QStringLiteral("/W *bob two")}},
        {QStringLiteral("/whisper bob aaaa bbbb"), 17, {QStringLiteral("/whisper bob aaaa"), QStringLiteral("/whisper bob bbbb")}},
        // Emotes count twice on the server: half as long.
        {QStringLiteral("/me aaa bbb ccc"), 16, {QStringLiteral("/me aaa"), QStringLiteral("/me bbb"), QStringLiteral("/me ccc")}},
        {QStringLiteral("/who channel with a long name"), 10, {QStringLiteral("<refused>")}},
        {QStringLiteral("/w someone text"), 11, {QStringLiteral("<refused>")}},
        {QStringLiteral("a  b"), 2, {QStringLiteral("a "), QStringLiteral("b")}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Pieces(c.line, c.maxBytes), c.pieces) << c.line.toStdString();
}

TEST(SplitLongLine, CountsBytesAsSentAndNeverCutsACharacter)
{
    const QString cyrillic = QString::fromUtf8("\u0436\u0436\u0436\u0436\u0436");  // 2 bytes each in UTF-8
    const QString grinning = QString::fromUtf8("\U0001F600\U0001F600\U0001F600"); // 4 bytes, two UTF-16 units
    EXPECT_EQ(Pieces(cyrillic, 5, WireEncoding::Windows1252), QStringList{cyrillic});
    EXPECT_EQ(Pieces(cyrillic, 5, WireEncoding::Utf8), (QStringList{cyrillic.left(2), cyrillic.mid(2, 2), cyrillic.mid(4)}));
    EXPECT_EQ(Pieces(grinning, 9, WireEncoding::Utf8), (QStringList{grinning.left(4), grinning.mid(4)}));
    EXPECT_EQ(Pieces(grinning, 3, WireEncoding::Utf8), (QStringList{grinning.left(2), grinning.mid(2, 2), grinning.mid(4)}))
        << "a character longer than a piece still goes whole";

    const QString line = QString(599, QLatin1Char('y')) + QString::fromUtf8("\u00E9");
    for (const WireEncoding encoding : {WireEncoding::Windows1252, WireEncoding::Utf8}) {
        const QStringList pieces = Pieces(line, 160, encoding);
        EXPECT_EQ(pieces.join(QString()), line);
        for (const QString &piece : pieces)
            EXPECT_LE(WireLength(piece, encoding), 160);
    }
}

} // namespace
