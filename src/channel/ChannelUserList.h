#pragma once

#include <QHash>
#include <QString>
#include <QTreeWidget>

// The channel list view: one row per user, the client image and the row text
// (a space and the name) in the first column, the latency image in the
// second. Rows are found by their text in any letter case, as the user store
// finds names, through an index that follows the list's model, so a lookup
// costs the same in a crowded channel, and clearing the list by any means
// empties the index too.
class ChannelUserList : public QTreeWidget {
    Q_OBJECT
public:
    explicit ChannelUserList(QWidget *parent);
    ~ChannelUserList() override;

    int rowCount() const { return topLevelItemCount(); }
    // The 1-based place of the row with this text, 0 when none has it.
    int rowWithText(const QString &text) const;
    // The row at a 1-based place; throws Failure outside the list.
    QTreeWidgetItem *rowItem(int row) const;
    // Makes a row at a 1-based place, or at the end for place 0; throws
    // Failure for a place beyond the end.
    QTreeWidgetItem *insertRow(int place, const QString &text);
    // Removes the row with this text; false when there is none.
    bool removeRowWithText(const QString &text);
    // The 1-based row under a point of the viewport, 0 for none.
    int rowAt(const QPoint &point) const;

private:
    void indexRows(int first, int last);
    void forgetRows(int first, int last);

    QHash<QString, QTreeWidgetItem *> m_rowsByText;
};
