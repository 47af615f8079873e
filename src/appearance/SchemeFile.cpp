#include "appearance/SchemeFile.h"

#include "platform/Convert.h"
#include "platform/Failure.h"
#include "profiles/Settings.h"

#include <string_view>

namespace {

const QString kSkin = QStringLiteral("Skin");
const QString kPicture = QStringLiteral("BG Picture");

} // namespace

void ReadSchemeFields(const Settings &settings, const QString &scheme, SchemeFields &fields)
{
    try {
        fields.picture = settings.ReadSchemeSetting(scheme, kSkin, kPicture);
    } catch (const Failure &) {
    }
    for (std::size_t i = 0; i < kSchemeColours.size(); ++i) {
        try {
            const QString value =
                settings.ReadSchemeSetting(scheme, kSkin, QString::fromLatin1(kSchemeColours[i].key));
            fields.colours[i] = Colour{static_cast<quint32>(ToInt32(value))};
        } catch (const Failure &) {
        }
    }
}

void WriteSchemeFields(const Settings &settings, const QString &scheme, const SchemeFields &fields)
{
    settings.WriteSchemeSetting(scheme, kSkin, kPicture, fields.picture);
    for (std::size_t i = 0; i < kSchemeColours.size(); ++i) {
        settings.WriteSchemeSetting(scheme, kSkin, QString::fromLatin1(kSchemeColours[i].key),
                                    QString::number(fields.colours[i].value));
    }
    // The dialog has always saved the menu lines once more under this
    // spelling; keys match without regard to case, so it is the same entry.
    constexpr std::size_t menuLines = 5;
    static_assert(std::string_view(kSchemeColours[menuLines].key) == "Menu lines");
    settings.WriteSchemeSetting(scheme, kSkin, QStringLiteral("Menu Lines"),
                                QString::number(fields.colours[menuLines].value));
}
