#include "profiles/WindowSize.h"

#include "profiles/ProgramSettings.h"

namespace WindowSize {

namespace {

const QString kSection = QStringLiteral("Window");
const QString kWidth = QStringLiteral("Width");
const QString kHeight = QStringLiteral("Height");

} // namespace

QSize read(const Settings &settings)
{
    bool widthOk = false;
    bool heightOk = false;
    const int width = ProgramSettings::read(settings, kSection, kWidth).toInt(&widthOk);
    const int height = ProgramSettings::read(settings, kSection, kHeight).toInt(&heightOk);
    return widthOk && heightOk ? QSize(width, height) : QSize();
}

void write(const Settings &settings, QSize size)
{
    ProgramSettings::write(settings, kSection, kWidth, QString::number(size.width()));
    ProgramSettings::write(settings, kSection, kHeight, QString::number(size.height()));
}

}
