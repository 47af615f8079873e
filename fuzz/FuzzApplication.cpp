#include "FuzzApplication.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>


void StartFuzzApplication()
{
    static int argc = 1;
    static char name[] = "tarnwell-fuzz";
    static char *argv[] = {name, nullptr};
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the process ends without tearing Qt down, so nothing
    // of it is used after Qt's own statics are gone.
    new QApplication(argc, argv);
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
