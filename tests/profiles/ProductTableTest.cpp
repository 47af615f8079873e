#include "profiles/ProductTable.h"
#include "support/QtPrinting.h"

#include <gtest/gtest.h>

namespace {

TEST(ProductTable, CodesAndTextsMapBothWaysExactly)
{
    const struct {
        QString code;
        QString text;
    } rows[] = {
        {QStringLiteral("RATS"), QStringLiteral("Starcraft")},
        {QStringLiteral("PXES"), QStringLiteral("  Broodwar")},
        // The two shareware texts differ only by the trailing space.
        {QStringLiteral("RHSS"), QStringLiteral("  Shareware ")},
        {QStringLiteral("RHSD"), QStringLiteral("  Shareware")},
        {QString(), QString()},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(ProductTable::textOf(row.code), row.text);
        EXPECT_EQ(ProductTable::codeOf(row.text), row.code);
    }
    EXPECT_EQ(ProductTable::textOf(QStringLiteral("rats")), std::nullopt);
    EXPECT_EQ(ProductTable::codeOf(QStringLiteral("Broodwar")), std::nullopt) << "without its indent";
}

} // namespace
