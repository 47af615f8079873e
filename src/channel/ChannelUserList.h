#pragma once

#include "channel/ChannelUserModel.h"

#include <QPointer>
#include <QTreeView>

class ClientIcons;

// The channel list view: it shows the rows of the profile on screen, and is
// given another profile's rows when the profile on screen changes. With no
// rows given it shows an empty list.
class ChannelUserList : public QTreeView {
    Q_OBJECT
public:
    ChannelUserList(const ClientIcons &icons, QWidget *parent);

    // Shows these rows; null shows none. The rows stay their owner's.
    void showRows(ChannelUserModel *rows);
    const ChannelUserModel *shownRows() const { return m_rows; }

    int rowCount() const;
    // The index of a 1-based row and a column; invalid outside the list.
    QModelIndex rowIndex(int row, int column = 0) const;
    // The 1-based row under a point of the viewport, 0 for none.
    int rowAt(const QPoint &point) const;
    // The text of the selected row, empty when none is.
    QString selectedText() const;
    // The text of the current row, empty when there is none.
    QString currentText() const;

Q_SIGNALS:
    // A row was double-clicked.
    void rowActivated();

private:
    void fitColumns();

    // Rows go with their profile; a deleted profile's rows are not shown.
    QPointer<ChannelUserModel> m_rows;
};
