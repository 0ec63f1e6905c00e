// The list of the "Fil" page: one row per line of the document.
#include "workspace/line_list_view.h"

void LineListView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles)
{
    const int lastRow = model() ? model()->rowCount(rootIndex()) - 1 : -1;
    if (uniformItemSizes() && topLeft.parent() == rootIndex() && bottomRight.row() < lastRow) {
        // What every view does for a change: repaint the rows, tell the
        // accessibility clients. Only the list's new layout is left out.
        QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    QListView::dataChanged(topLeft, bottomRight, roles);
}

// QListView's own versions of these two only tell accessibility clients of the
// row that became current (as a focus event) or selected; the rest is
// QAbstractItemView's.
void LineListView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (hasFocus())
        QListView::currentChanged(current, previous);
    else
        QAbstractItemView::currentChanged(current, previous);
}

void LineListView::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    if (isVisible())
        QListView::selectionChanged(selected, deselected);
    else
        QAbstractItemView::selectionChanged(selected, deselected);
}
