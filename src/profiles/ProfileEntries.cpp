#include "profiles/ProfileEntries.h"

#include "display/Colour.h"
#include "profiles/Profile.h"

#include <QListWidget>
#include <QPointer>

namespace {

constexpr int kProfileRole = Qt::UserRole + 1;

} // namespace

QListWidgetItem &AddProfileEntry(QListWidget &list, Profile &profile)
{
    auto *entry = new QListWidgetItem(profile.record().Name, &list);
    // Guarded, so that an entry outliving its profile stands for none.
    entry->setData(kProfileRole, QVariant::fromValue(QPointer<QObject>(&profile)));
    entry->setForeground(Rgb(0xBD3D3D).toQColor());
    return *entry;
}

QListWidgetItem *EntryOf(const QListWidget &list, const Profile &profile)
{
    for (int row = 0; row < list.count(); ++row) {
        if (ProfileOfEntry(*list.item(row)) == &profile)
            return list.item(row);
    }
    return nullptr;
}

Profile *ProfileOfEntry(const QListWidgetItem &entry)
{
    return qobject_cast<Profile *>(entry.data(kProfileRole).value<QPointer<QObject>>().data());
}
