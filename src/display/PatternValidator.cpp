#include "display/PatternValidator.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

QValidator *PatternValidator(const char *pattern, QObject *parent)
{
    return new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(pattern)), parent);
}
