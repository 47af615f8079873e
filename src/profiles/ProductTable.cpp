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

// The other column of the row whose `from` column holds the value; the
// empty value stands for no product either way.
std::optional<QString> lookUp(const QString &value, const char *Product::*from, const char *Product::*to)
{
    if (value.isEmpty())
        return QString();
    for (const Product &product : kProducts) {
        if (value == QLatin1String(product.*from))
            return QString::fromLatin1(product.*to);
    }
    return std::nullopt;
}

} // namespace

namespace ProductTable {

std::optional<QString> textOf(const QString &code)
{
    return lookUp(code, &Product::code, &Product::text);
}

std::optional<QString> codeOf(const QString &text)
{
    return lookUp(text, &Product::text, &Product::code);
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
