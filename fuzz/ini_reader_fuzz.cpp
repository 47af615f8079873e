// Any settings file, as a user's editor or a damaged disk may leave it: the
// reader returns a value or nothing, and a key written into the file is read
// back as written, whatever the rest of the file holds.
#include "FuzzApplication.h"

#include "platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

const char *const kSections[] = {"Login", "Options", "Main", "Ping"};
const char *const kKeys[] = {"Password", "Server", "Home", "Join/Leave", "New Password", "Spoof"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir folder(FuzzScratchFolder() + QStringLiteral("/tarnwell-fuzz-XXXXXX"));
    if (size < 1)
        return -1;
    const QString path = folder.filePath(QStringLiteral("Config.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        __builtin_trap();
    file.write(InputBytes(data + 1, size - 1));
    file.close();

    // The first byte picks the names, so every pair meets every file.
    const QString section = QString::fromLatin1(kSections[data[0] % std::size(kSections)]);
    const QString key = QString::fromLatin1(kKeys[(data[0] / std::size(kSections)) % std::size(kKeys)]);
    if (IniFile::read(path, section, key).size() > IniFile::kMaxValueLength)
        __builtin_trap();
    // Half the inputs write a value that only UTF-8 holds.
    const QString value = data[0] & 0x80 ? QStringLiteral("new value \u00e9") : QStringLiteral("\u043a\u0430\u043d\u0430\u043b");
    IniFile::write(path, section, key, value);
    if (IniFile::read(path, section, key) != value)
        __builtin_trap();
    return 0;
}
