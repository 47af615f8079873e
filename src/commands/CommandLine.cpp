#include "commands/CommandLine.h"

#include <QStringList>

CommandLine CommandLine::parse(const QString &line)
{
    const QStringList pieces = line.split(QLatin1Char(' '));
    CommandLine parsed;
    parsed.word = pieces.value(0);
    parsed.argument = pieces.value(1);
    if (pieces.size() > 2)
        parsed.rest = pieces.mid(2).join(QLatin1Char(' '));
    return parsed;
}

QString WithDiablo2Names(const QString &line, const QString &product)
{
    if (product != QLatin1String("VD2D") && product != QLatin1String("PX2D"))
        return line;
    const CommandLine parsed = CommandLine::parse(line);
    const bool addressesName = line.startsWith(QLatin1String("/m ")) || line.startsWith(QLatin1String("/w ")) ||
                               parsed.word.startsWith(QLatin1String("/unignore")) ||
                               parsed.word.startsWith(QLatin1String("/ignore")) ||
                               parsed.word.startsWith(QLatin1String("/where"));
    if (!addressesName)
        return line;
    return parsed.word + QStringLiteral(" *") + parsed.argument + QLatin1Char(' ') + parsed.rest;
}
