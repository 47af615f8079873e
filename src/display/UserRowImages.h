#pragma once

#include <QStyledItemDelegate>

class ClientIcons;

// Draws the channel list's images: the rows give each image by its index in
// the image list, and this looks the picture up as a row is painted.
class UserRowImages : public QStyledItemDelegate {
public:
    UserRowImages(const ClientIcons &icons, QObject *parent);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    const ClientIcons &m_icons;
};
