#include "channel/ChannelUserList.h"

#include "channel/ChannelUserModel.h"
#include "display/UserRowImages.h"

#include <QHeaderView>

namespace {
constexpr int kLatencyColumnWidth = 22;
} // namespace

ChannelUserList::ChannelUserList(const ClientIcons &icons, QWidget *parent) : QTreeView(parent)
{
    setItemDelegate(new UserRowImages(icons, this));
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    connect(this, &QAbstractItemView::doubleClicked, this, [this] { Q_EMIT rowActivated(); });
}

void ChannelUserList::showRows(ChannelUserModel *rows)
{
    if (rows == m_rows)
        return;
    m_rows = rows;
    setModel(rows);
    fitColumns();
}

void ChannelUserList::fitColumns()
{
    if (!model())
        return;
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(ChannelUserModel::kNameColumn, QHeaderView::Stretch);
    header()->setSectionResizeMode(ChannelUserModel::kLatencyColumn, QHeaderView::Fixed);
    header()->resizeSection(ChannelUserModel::kLatencyColumn, kLatencyColumnWidth);
}

int ChannelUserList::rowCount() const
{
    return m_rows ? m_rows->count() : 0;
}

QModelIndex ChannelUserList::rowIndex(int row, int column) const
{
    return m_rows ? m_rows->index(row - 1, column) : QModelIndex();
}

int ChannelUserList::rowAt(const QPoint &point) const
{
    const QModelIndex index = indexAt(point);
    return index.isValid() ? index.row() + 1 : 0;
}

QString ChannelUserList::selectedText() const
{
    if (!selectionModel())
        return {};
    const QModelIndexList rows = selectionModel()->selectedRows(ChannelUserModel::kNameColumn);
    return rows.isEmpty() ? QString() : rows.first().data().toString();
}

QString ChannelUserList::currentText() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.siblingAtColumn(ChannelUserModel::kNameColumn).data().toString() : QString();
}
