// The list of the "Fil" page: one row per line of the document.
#include "workspace/line_list_view.h"

#include <QAbstractItemDelegate>
#include <QStyleOptionViewItem>

#include <algorithm>

void LineListView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles)
{
    const int lastRow = model() ? model()->rowCount(rootIndex()) - 1 : -1;
    const bool rowsOnly = uniformItemSizes() && !isWrapping() && flow() == TopToBottom && spacing() == 0
                          && topLeft.parent() == rootIndex();
    if (rowsOnly && (bottomRight.row() < lastRow || followLastRowWidth(model()->index(lastRow, 0, rootIndex())))) {
        // What every view does for a change: repaint the rows, tell the
        // accessibility clients. Only the list's new layout is left out.
        QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    QListView::dataChanged(topLeft, bottomRight, roles);
}

bool LineListView::followLastRowWidth(const QModelIndex &last)
{
    // Laid out in one column, every row as tall as the last one: the list is
    // as wide as that row and as tall as the rows together. While the row
    // keeps its height only the width can change, and nothing else of the
    // layout follows from it.
    const QAbstractItemDelegate *delegate = itemDelegateForIndex(last);
    if (!delegate || contentsSize().isEmpty())
        return false;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QSize size = delegate->sizeHint(option, last);
    if (size.height() != visualRect(last).height())
        return false;
    const int before = contentsSize().width();
    if (size.width() == before)
        return true;
    resizeContents(size.width(), contentsSize().height());
    // The scroll bars follow the new width; as long as the list fits in the
    // view before and after there is nothing to follow, and Qt's own update
    // goes over every row.
    if (std::max(before, size.width()) > viewport()->width())
        updateGeometries();
    return true;
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
