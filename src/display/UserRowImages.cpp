#include "display/UserRowImages.h"

#include "channel/ChannelUserModel.h"
#include "channel/ClientIcon.h"
#include "display/ClientIcons.h"

UserRowImages::UserRowImages(const ClientIcons &icons, QObject *parent)
    : QStyledItemDelegate(parent), m_icons(icons)
{
}

void UserRowImages::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const int image = index.data(ChannelUserModel::kImageRole).toInt();
    // Painting must not fail: an index outside the list draws no image.
    if (image <= 0 || image > ClientIcon::Count)
        return;
    option->icon = m_icons.image(image);
    if (!option->icon.isNull())
        option->features |= QStyleOptionViewItem::HasDecoration;
}
