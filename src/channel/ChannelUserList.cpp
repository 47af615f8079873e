#include "channel/ChannelUserList.h"

#include "platform/Failure.h"

#include <QHeaderView>

using namespace Qt::StringLiterals;

namespace {
constexpr int kLatencyColumnWidth = 22;

// One user is one row however the server writes the name's letter case:
// otherwise a user listed as "Bob" and again as "bob" would leave a row
// behind when leaving, one the store no longer knows.
QString IndexKey(const QString &text)
{
    return text.toLower();
}
} // namespace

ChannelUserList::ChannelUserList(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(2);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(16, 16));
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    header()->setSectionResizeMode(1, QHeaderView::Fixed);
    header()->resizeSection(1, kLatencyColumnWidth);

    QAbstractItemModel *rows = model();
    connect(rows, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &parentIndex, int first, int last) {
                if (!parentIndex.isValid())
                    indexRows(first, last);
            });
    connect(rows, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &parentIndex, int first, int last) {
                if (!parentIndex.isValid())
                    forgetRows(first, last);
            });
    connect(rows, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_rowsByText.clear(); });
}

ChannelUserList::~ChannelUserList()
{
    // The model outlives this part of the list and clears itself as it goes.
    model()->disconnect(this);
}

int ChannelUserList::rowWithText(const QString &text) const
{
    QTreeWidgetItem *row = m_rowsByText.value(IndexKey(text));
    return row ? indexOfTopLevelItem(row) + 1 : 0;
}

QTreeWidgetItem *ChannelUserList::rowItem(int row) const
{
    if (row < 1 || row > rowCount())
        throw Failure(Failure::OutOfRange, u"No row %1 in the channel list"_s.arg(row));
    return topLevelItem(row - 1);
}

QTreeWidgetItem *ChannelUserList::insertRow(int place, const QString &text)
{
    if (place < 0 || place > rowCount() + 1)
        throw Failure(Failure::OutOfRange, u"No place %1 in the channel list"_s.arg(place));
    auto *row = new QTreeWidgetItem(QStringList{text, QString()});
    insertTopLevelItem(place == 0 ? rowCount() : place - 1, row);
    return row;
}

bool ChannelUserList::removeRowWithText(const QString &text)
{
    QTreeWidgetItem *row = m_rowsByText.value(IndexKey(text));
    if (!row)
        return false;
    delete row;
    return true;
}

int ChannelUserList::rowAt(const QPoint &point) const
{
    const QModelIndex index = indexAt(point);
    return index.isValid() ? index.row() + 1 : 0;
}

void ChannelUserList::indexRows(int first, int last)
{
    for (int place = first; place <= last; ++place) {
        QTreeWidgetItem *row = topLevelItem(place);
        m_rowsByText.insert(IndexKey(row->text(0)), row);
    }
}

void ChannelUserList::forgetRows(int first, int last)
{
    for (int place = first; place <= last; ++place) {
        QTreeWidgetItem *row = topLevelItem(place);
        const auto entry = m_rowsByText.constFind(IndexKey(row->text(0)));
        if (entry != m_rowsByText.cend() && entry.value() == row)
            m_rowsByText.erase(entry);
    }
}
