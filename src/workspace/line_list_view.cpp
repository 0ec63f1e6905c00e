// The list of the "Fil" page: one row per line of the document.
#include "workspace/line_list_view.h"

#include <QAbstractItemDelegate>
#include <QAccessible>
#include <QHoverEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QStyleOptionViewItem>

#include <algorithm>

int LineListView::rowCount() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

QSize LineListView::lastRowSize() const
{
    const int rows = rowCount();
    if (rows == 0)
        return {};
    const QModelIndex last = model()->index(rows - 1, modelColumn(), rootIndex());
    const QAbstractItemDelegate *delegate = itemDelegateForIndex(last);
    if (!delegate)
        return {};
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    return delegate->sizeHint(option, last);
}

void LineListView::doItemsLayout()
{
    // The whole layout: one row size and the number of rows.
    const int rows = rowCount();
    const QSize row = lastRowSize();
    m_rowHeight = rows > 0 ? std::max(1, row.height()) : 0;
    resizeContents(rows > 0 ? row.width() : 0, rows * m_rowHeight);
    QAbstractItemView::doItemsLayout();
}

int LineListView::rowsShown() const
{
    return m_rowHeight > 0 ? std::max(1, viewport()->height() / m_rowHeight) : 1;
}

int LineListView::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

int LineListView::verticalOffset() const
{
    // The bar counts rows, or pixels where the style scrolls by pixels.
    const int value = verticalScrollBar()->value();
    return verticalScrollMode() == ScrollPerItem ? value * m_rowHeight : value;
}

QRect LineListView::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.parent() != rootIndex() || index.column() != modelColumn()
        || isIndexHidden(index))
        return {};
    const_cast<LineListView *>(this)->executeDelayedItemsLayout();
    // As wide as the list, and as the view where the list is narrower.
    return QRect(-horizontalOffset(), index.row() * m_rowHeight - verticalOffset(),
                 std::max(contentsSize().width(), viewport()->width()), m_rowHeight);
}

std::pair<int, int> LineListView::rowsIn(const QRect &rect) const
{
    const_cast<LineListView *>(this)->executeDelayedItemsLayout();
    if (m_rowHeight <= 0 || rect.isEmpty())
        return {0, -1};
    const int top = rect.top() + verticalOffset(), bottom = rect.bottom() + verticalOffset();
    if (bottom < 0)
        return {0, -1};
    return {std::max(0, top / m_rowHeight), std::min(rowCount() - 1, bottom / m_rowHeight)};
}

QModelIndex LineListView::indexAt(const QPoint &point) const
{
    const auto [first, last] = rowsIn(QRect(point, QSize(1, 1)));
    if (first > last || point.y() + verticalOffset() < 0)
        return {};
    return model()->index(first, modelColumn(), rootIndex());
}

void LineListView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    const QRect rect = visualRect(index);
    if (!rect.isValid())
        return;
    const QRect area = viewport()->rect();
    if (hint == EnsureVisible && area.contains(rect)) {
        viewport()->update(rect);
        return;
    }
    // Up and down only, as QListView scrolls a list of one column.
    const bool above = hint == EnsureVisible && rect.top() < area.top();
    const bool below = hint == EnsureVisible && rect.bottom() > area.bottom();
    const bool byRow = verticalScrollMode() == ScrollPerItem;
    const int row = index.row();
    const int top = row * m_rowHeight;
    int value = verticalScrollBar()->value();
    if (hint == PositionAtTop || above)
        value = byRow ? row : top;
    else if (hint == PositionAtBottom || below)
        value = byRow ? row - rowsShown() + 1 : top + m_rowHeight - area.height();
    else if (hint == PositionAtCenter)
        value = byRow ? row - rowsShown() / 2 : top - (area.height() - m_rowHeight) / 2;
    verticalScrollBar()->setValue(value);
}

void LineListView::scrollContentsBy(int dx, int dy)
{
    QAbstractItemView::scrollContentsBy(dx, verticalScrollMode() == ScrollPerItem ? dy * m_rowHeight : dy);
}

void LineListView::updateGeometries()
{
    const int rows = rowCount();
    QScrollBar *h = horizontalScrollBar(), *v = verticalScrollBar();
    if (geometry().isEmpty() || rows <= 0 || m_rowHeight <= 0) {
        h->setRange(0, 0);
        v->setRange(0, 0);
    } else {
        // As QListView sets them: across by pixels, the step a row's width;
        // down by rows (or pixels), a page what the view shows whole. With
        // both bars as needed, the one across shows only for a list wider
        // than the view (else the bars could make each other show forever).
        const QSize contents = contentsSize();
        const QSize most = maximumViewportSize();
        h->setSingleStep(contents.width());
        h->setPageStep(viewport()->width());
        const bool downWanted = contents.height() > most.height();
        const bool acrossWanted = contents.width() > most.width() - (downWanted ? v->width() : 0);
        const bool bothAsNeeded = verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded
                                  && horizontalScrollBarPolicy() == Qt::ScrollBarAsNeeded;
        h->setRange(0, bothAsNeeded && !acrossWanted ? 0 : contents.width() - viewport()->width());
        if (verticalScrollMode() == ScrollPerItem) {
            const int page = contents.height() <= viewport()->height() ? rows + 1 : rowsShown();
            v->setSingleStep(1);
            v->setPageStep(page);
            v->setRange(0, std::max(0, rows - page));
        } else {
            v->setSingleStep(m_rowHeight);
            v->setPageStep(viewport()->height());
            v->setRange(0, std::max(0, contents.height() - viewport()->height()));
        }
    }
    QAbstractItemView::updateGeometries();
}

QModelIndex LineListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers)
{
    const int rows = rowCount();
    if (rows == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return model()->index(0, modelColumn(), rootIndex());
    int row = current.row();
    // A page is what the view shows, less the two rows kept in sight.
    const int page = std::max(1, rowsShown() - 2);
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
        --row;
        break;
    case MoveDown:
    case MoveNext:
        ++row;
        break;
    case MovePageUp:
        row -= page;
        break;
    case MovePageDown:
        row += page;
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = rows - 1;
        break;
    default:
        break;
    }
    return model()->index(std::clamp(row, 0, rows - 1), modelColumn(), rootIndex());
}

void LineListView::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    if (!selectionModel())
        return;
    QItemSelection selection;
    if (const auto [first, last] = rowsIn(rect.normalized()); first <= last)
        selection.select(model()->index(first, modelColumn(), rootIndex()),
                         model()->index(last, modelColumn(), rootIndex()));
    selectionModel()->select(selection, command);
}

QRegion LineListView::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    const QRect shown = viewport()->rect();
    for (const QItemSelectionRange &range : selection) {
        if (!range.isValid() || range.parent() != rootIndex() || modelColumn() < range.left()
            || modelColumn() > range.right())
            continue;
        const QRect rect = visualRect(model()->index(range.top(), modelColumn(), rootIndex()))
                           | visualRect(model()->index(range.bottom(), modelColumn(), rootIndex()));
        region += rect.intersected(shown);
    }
    return region;
}

void LineListView::paintEvent(QPaintEvent *event)
{
    // What QListView paints, for the rows in the damaged part only.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    QPainter painter(viewport());
    const auto [first, last] = rowsIn(event->rect());
    const QModelIndex current = currentIndex();
    const QItemSelectionModel *selections = selectionModel();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QStyle::State base = option.state;
    const bool enabled = base & QStyle::State_Enabled;
    const int widest = std::max(viewport()->width(), contentsSize().width());
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model()->index(row, modelColumn(), rootIndex());
        option.rect = visualRect(index);
        option.rect.setWidth(std::min(widest, option.rect.width()));
        option.state = base;
        if (selections && selections->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (enabled) {
            const bool itemEnabled = model()->flags(index) & Qt::ItemIsEnabled;
            option.state.setFlag(QStyle::State_Enabled, itemEnabled);
            option.palette.setCurrentColorGroup(itemEnabled ? QPalette::Normal : QPalette::Disabled);
        }
        if (focus && current == index) {
            option.state |= QStyle::State_HasFocus;
            if (state() == EditingState)
                option.state |= QStyle::State_Editing;
        }
        option.state.setFlag(QStyle::State_MouseOver, index == m_hover);
        option.features.setFlag(QStyleOptionViewItem::Alternate, alternatingRowColors() && row % 2 == 1);
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

bool LineListView::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        m_hover = indexAt(static_cast<QHoverEvent *>(event)->position().toPoint());
        break;
    case QEvent::HoverLeave:
    case QEvent::Leave:
        m_hover = QPersistentModelIndex();
        break;
    default:
        break;
    }
    return QListView::viewportEvent(event);
}

void LineListView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles)
{
    // A changed row keeps its place; only the last row's width can change
    // the layout (the list is as wide as it). Repaint the rows and tell the
    // accessibility clients, as every view does.
    const int lastRow = rowCount() - 1;
    const bool rowsOnly = topLeft.parent() == rootIndex() && m_rowHeight > 0;
    if (rowsOnly && (bottomRight.row() < lastRow || followLastRowWidth(model()->index(lastRow, 0, rootIndex())))) {
        QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    QListView::dataChanged(topLeft, bottomRight, roles);
}

bool LineListView::followLastRowWidth(const QModelIndex &last)
{
    // While the row keeps its height only the width can change, and nothing
    // else of the layout follows from it.
    const QSize size = lastRowSize();
    if (!last.isValid() || size.height() != m_rowHeight)
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

// QListView tells accessibility clients of the row that became current (as a
// focus event, while the list has the focus) or selected (while it is shown).
void LineListView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (hasFocus() && current.isValid() && QAccessible::isActive()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(current.row());
        QAccessible::updateAccessibility(&focus);
    }
    QAbstractItemView::currentChanged(current, previous);
}

void LineListView::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    if (isVisible() && QAccessible::isActive()) {
        for (const auto &[ranges, type] : {std::pair{&selected, QAccessible::SelectionAdd},
                                           std::pair{&deselected, QAccessible::SelectionRemove}}) {
            if (ranges->isEmpty() || !ranges->first().isValid())
                continue;
            QAccessibleEvent event(this, type);
            event.setChild(ranges->first().top());
            QAccessible::updateAccessibility(&event);
        }
    }
    QAbstractItemView::selectionChanged(selected, deselected);
}
