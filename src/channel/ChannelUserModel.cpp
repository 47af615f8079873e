#include "channel/ChannelUserModel.h"

#include "platform/Failure.h"

#include <QColor>

using namespace Qt::StringLiterals;

int ChannelUserModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int ChannelUserModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant ChannelUserModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const UserRow &row = m_rows[index.row()];
    if (index.column() == kLatencyColumn)
        return role == kImageRole ? QVariant(row.latencyIcon) : QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return row.text;
    case kImageRole:
        return row.clientIcon;
    case Qt::ForegroundRole:
        return QColor(QRgb(row.colour));
    default:
        return {};
    }
}

int ChannelUserModel::rowWithText(const QString &text) const
{
    return placeOf(CaselessName{text}) + 1;
}

const UserRow &ChannelUserModel::row(int place) const
{
    if (place < 1 || place > count())
        throw Failure(Failure::OutOfRange, u"No row %1 in the channel list"_s.arg(place));
    return m_rows[place - 1];
}

int ChannelUserModel::topGroupSize() const
{
    int size = 0;
    while (size < count() && m_rows[size].onTop)
        ++size;
    return size;
}

void ChannelUserModel::insertRow(int place, UserRow row)
{
    if (place < 0 || place > count() + 1)
        throw Failure(Failure::OutOfRange, u"No place %1 in the channel list"_s.arg(place));
    // One user is one row however the server writes the name's letter case:
    // otherwise a user listed as "Bob" and again as "bob" would leave a row
    // behind when leaving, one the store no longer knows.
    const CaselessName text{row.text};
    removeRowAt(placeOf(text), text);
    const int at = place == 0 ? count() : std::min(place - 1, count());
    beginInsertRows(QModelIndex(), at, at);
    m_texts.insert(text);
    m_rows.insert(at, std::move(row));
    endInsertRows();
}

bool ChannelUserModel::removeRowWithText(const QString &text)
{
    const CaselessName name{text};
    return removeRowAt(placeOf(name), name);
}

bool ChannelUserModel::removeRowAt(int at, const CaselessName &text)
{
    if (at < 0)
        return false;
    beginRemoveRows(QModelIndex(), at, at);
    m_rows.remove(at);
    m_texts.remove(text);
    endRemoveRows();
    return true;
}

void ChannelUserModel::clear()
{
    if (m_rows.isEmpty())
        return;
    beginResetModel();
    m_rows.clear();
    m_texts.clear();
    endResetModel();
}

int ChannelUserModel::placeOf(const CaselessName &text) const
{
    if (!m_texts.contains(text))
        return -1;
    for (qsizetype at = 0; at < m_rows.size(); ++at) {
        if (CaselessName{m_rows[at].text} == text)
            return static_cast<int>(at);
    }
    return -1;
}
