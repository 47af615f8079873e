#pragma once

#include "channel/CaselessName.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSet>
#include <QString>
#include <QtGlobal>

// One row of a channel's user list as the list shows it. Images are given by
// their index in the list's image list.
struct UserRow {
    QString text;        // a space and the name
    int clientIcon = 0;  // an index of ClientIcons
    int latencyIcon = 0;
    quint32 colour = 0xFFFFFF; // 0xRRGGBB
    bool onTop = false;  // in the group of representatives and operators
};
// Moved by memmove when a row is put before others: every operator of a
// crowded channel is listed at the top.
Q_DECLARE_TYPEINFO(UserRow, Q_RELOCATABLE_TYPE);

// The rows of one profile's channel list: the name with the client image in
// the first column, the latency image in the second, each image by its index
// (kImageRole), which the list turns into a picture. Every profile keeps its
// own, whether it is on screen or not, so showing another profile is a swap
// of models. Rows are found by their text in any letter case, as the user
// store finds names. A row carries no tip: the tip is built from the store
// when the pointer reaches the row, so it tells the uptime of that moment.
class ChannelUserModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kNameColumn = 0;
    static constexpr int kLatencyColumn = 1;
    static constexpr int kImageRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    int count() const { return static_cast<int>(m_rows.size()); }
    // The 1-based place of the row with this text, 0 when none has it.
    int rowWithText(const QString &text) const;
    // The row at a 1-based place; throws Failure outside the list.
    const UserRow &row(int place) const;
    // The rows at the top that belong to the group on top.
    int topGroupSize() const;
    // Puts a row at a 1-based place, or at the end for place 0; throws
    // Failure for a place beyond the end. A row with the same text in any
    // letter case is replaced.
    void insertRow(int place, UserRow row);
    // Removes the row with this text; false when there is none.
    bool removeRowWithText(const QString &text);
    void clear();

private:
    // The 0-based place of the row with this text, -1 when none has it.
    int placeOf(const CaselessName &text) const;
    bool removeRowAt(int at, const CaselessName &text);

    QList<UserRow> m_rows;
    // The texts of the rows, so that a name not listed is told at once.
    QSet<CaselessName> m_texts;
};
