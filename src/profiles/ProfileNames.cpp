#include "profiles/ProfileNames.h"

#include <algorithm>

bool IsSafeProfileName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    return std::none_of(name.cbegin(), name.cend(), [](QChar c) {
        return c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control;
    });
}

QString UnsafeProfileNameMessage()
{
    return QStringLiteral("A profile name cannot contain \"/\" or \"\\\", be \".\" or \"..\", or hold control "
                          "characters.");
}
