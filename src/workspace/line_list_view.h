// The list of the "Fil" page: one row per line of the document.
#pragma once

#include <QListView>

// A QListView lays out every row again whenever the text of one row changes.
// With rows of one size that is work for nothing, and with 65,535 rows it is
// most of the time a keystroke in Edit1 takes. This view repaints the changed
// rows only. QListView takes the size of every row from the last one, so a
// change there may change the width of the list: that width is set here
// directly, without laying out the rows, as long as the row keeps its height.
//
// Pages select lines here while the list is hidden behind them; a screen
// reader must not hear of those rows, as if the focus had jumped to them.
class LineListView : public QListView
{
    Q_OBJECT

public:
    using QListView::QListView;

protected:
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QList<int> &roles = QList<int>()) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;

private:
    // Takes the new size of the last row, `last`, when only its width changed;
    // false when the rows must be laid out again.
    bool followLastRowWidth(const QModelIndex &last);
};
