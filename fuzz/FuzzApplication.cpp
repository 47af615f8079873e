#include "FuzzApplication.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <memory>

void StartFuzzApplication()
{
    static int argc = 1;
    static char name[] = "tarnwell-fuzz";
    static char *argv[] = {name, nullptr};
    static std::unique_ptr<QApplication> application;
    if (application)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    application = std::make_unique<QApplication>(argc, argv);
}

QString FuzzScratchFolder()
{
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    return memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
}

QByteArray InputBytes(const std::uint8_t *data, std::size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}
