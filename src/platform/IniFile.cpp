#include "platform/IniFile.h"

#include "platform/Failure.h"
#include "platform/FileReplace.h"
#include "platform/FolderLock.h"
#include "platform/SettingsText.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <optional>

namespace {

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(Failure::PathAccess, QStringLiteral("Path/File access error: ") + path);
    QStringList lines = SettingsText::decode(file.readAll()).split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    // A final line break does not start one more (empty) line.
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

std::optional<QString> sectionName(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    if (close < 0)
        return std::nullopt;
    return trimmed.mid(1, close - 1).trimmed();
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Position of the key's line inside the section that starts after
// sectionLine, or -1; `sectionEnd` receives the line after the section's last
// entry, where a new key goes.
qsizetype findKey(const QStringList &lines, qsizetype sectionLine, const QString &key, qsizetype &sectionEnd)
{
    sectionEnd = sectionLine + 1;
    for (qsizetype i = sectionLine + 1; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (sectionName(line))
            break;
        if (line.trimmed().isEmpty())
            continue;
        sectionEnd = i + 1;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals >= 0 && sameName(line.left(equals).trimmed(), key))
            return i;
    }
    return -1;
}

qsizetype findSection(const QStringList &lines, const QString &section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QString> name = sectionName(lines[i]);
        if (name && sameName(*name, section))
            return i;
    }
    return -1;
}

void saveLines(const QString &path, const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text.append(line).append(QStringLiteral("\r\n"));
    // Settings hold passwords: a new file is readable by its owner only, an
    // existing one keeps the permissions it was given.
    ReplaceFile(path, SettingsText::encode(text),
                QFileInfo::exists(path) ? FilePrivacy::Shared : FilePrivacy::OwnerOnly);
}

void setEntry(QStringList &lines, const IniFile::Entry &entry)
{
    QString stored = entry.value;
    stored.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const qsizetype sectionLine = findSection(lines, entry.section);
    if (sectionLine < 0) {
        lines.append(QLatin1Char('[') + entry.section + QLatin1Char(']'));
        lines.append(entry.key + QLatin1Char('=') + stored);
        return;
    }
    qsizetype sectionEnd = 0;
    const qsizetype keyLine = findKey(lines, sectionLine, entry.key, sectionEnd);
    if (keyLine >= 0)
        lines[keyLine] =
            lines[keyLine].left(lines[keyLine].indexOf(QLatin1Char('='))).trimmed() + QLatin1Char('=') + stored;
    else
        lines.insert(sectionEnd, entry.key + QLatin1Char('=') + stored);
}

} // namespace

namespace IniFile {

QString read(const QString &path, const QString &section, const QString &key)
{
    const QStringList lines = readLines(path);
    const qsizetype sectionLine = findSection(lines, section);
    if (sectionLine < 0)
        return {};
    qsizetype sectionEnd = 0;
    const qsizetype keyLine = findKey(lines, sectionLine, key, sectionEnd);
    if (keyLine < 0)
        return {};
    const QString &line = lines[keyLine];
    QString value = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    value.truncate(kMaxValueLength);
    const qsizetype nul = value.indexOf(QChar(0));
    if (nul >= 0)
        value.truncate(nul);
    return value.trimmed();
}

void write(const QString &path, const std::vector<Entry> &entries)
{
    const FolderLock lock(QFileInfo(path).absolutePath());
    QStringList lines = readLines(path);
    for (const Entry &entry : entries)
        setEntry(lines, entry);
    saveLines(path, lines);
}

void write(const QString &path, const QString &section, const QString &key, const QString &value)
{
    write(path, {{section, key, value}});
}

}
