#include "profiles/ProductTable.h"

#include <array>

namespace {

struct Product {
    const char *code;
    const char *text;
    bool listed;
};

constexpr std::array<Product, 10> kProducts = {{
    {"RATS", "Starcraft", true},
    {"RHSS", "  Shareware ", false},
    {"PXES", "  Broodwar", true},
    {"NB2W", "Warcraft II", true},
    {"LTRD", "Diablo", false},
    {"RHSD", "  Shareware", false},
    {"VD2D", "Diablo II", true},
    {"PX2D", "  Lord of Destruction", true},
    {"3RAW", "Warcraft III", true},
    {"PX3W", "  Frozen Throne", true},
}};

} // namespace

namespace ProductTable {

std::optional<QString> textOf(const QString &code)
{
    if (code.isEmpty())
        return QString();
    for (const Product &product : kProducts) {
        if (code == QLatin1String(product.code))
            return QString::fromLatin1(product.text);
    }
    return std::nullopt;
}

std::optional<QString> codeOf(const QString &text)
{
    if (text.isEmpty())
        return QString();
    for (const Product &product : kProducts) {
        if (text == QLatin1String(product.text))
            return QString::fromLatin1(product.code);
    }
    return std::nullopt;
}

QStringList listedTexts()
{
    QStringList texts;
    for (const Product &product : kProducts) {
        if (product.listed)
            texts << QString::fromLatin1(product.text);
    }
    return texts;
}

} // namespace ProductTable
