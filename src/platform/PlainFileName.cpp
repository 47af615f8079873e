#include "platform/PlainFileName.h"

bool IsPlainFileName(const QString &name)
{
    if (name.contains(QLatin1String("..")))
        return false;
    for (const QChar character : name) {
        if (character == QLatin1Char('/') || character == QLatin1Char('\\') ||
            character.category() == QChar::Other_Control)
            return false;
    }
    return true;
}
