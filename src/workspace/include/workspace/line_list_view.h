// The list of the "Fil" page: one row per line of the document.
#pragma once

#include <QListView>
#include <QPersistentModelIndex>

// A list of rows of one size, laid out lazily. QListView, even with rows of
// one size, lays out every row whenever the rows change: with 65,535 rows
// that is a millisecond for each load and most of what a keystroke in Edit1
// would take. Here a row's place follows from its number and the one row
// size, so nothing is laid out for each row: the rows are placed, found,
// painted and scrolled to by arithmetic. The size of every row is taken from
// the last row, as QListView takes it, so the list is as wide as that row.
// It stays a QListView for everyone else (screen readers, styles, tests).
//
// Pages select lines here while the list is hidden behind them; a screen
// reader must not hear of those rows, as if the focus had jumped to them.
class LineListView : public QListView
{
    Q_OBJECT

public:
    using QListView::QListView;

    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;
    void doItemsLayout() override;

protected:
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QList<int> &roles = QList<int>()) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void updateGeometries() override;

private:
    int rowCount() const;
    // The size of the last row, which every row takes.
    QSize lastRowSize() const;
    // The rows that lie in `rect` of the viewport, first and last; (0, -1) for none.
    std::pair<int, int> rowsIn(const QRect &rect) const;
    // How many rows the viewport shows whole, at least one.
    int rowsShown() const;
    // Takes the new size of the last row, `last`, when only its width changed;
    // false when the rows must be laid out again.
    bool followLastRowWidth(const QModelIndex &last);

    int m_rowHeight = 0;
    QPersistentModelIndex m_hover;
};
