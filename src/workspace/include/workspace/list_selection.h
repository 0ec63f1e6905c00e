// Selecting list entries from code without running the lists' click handlers.
#pragma once

#include <QAbstractItemView>

#include <functional>

namespace listsel {

// The selected row of `view`, or -1 when no row is selected.
int selected(const QAbstractItemView *view);

// Selects `row` (and makes it current), or clears the selection when `row` names
// no row. A handler connected through onUserSelect does not run for it.
void select(QAbstractItemView *view, int row);
void clear(QAbstractItemView *view);

// Runs `handler` when the user selects or clicks a row with the mouse or the
// keyboard; never for a selection made by select() or clear(), nor while a
// CodeSelection for the view lives. Connect after the view's model is set.
void onUserSelect(QAbstractItemView *view, std::function<void()> handler);

// While it lives, every change of `view`'s selection is the program's own
// (refilling the list included), and the view's handler does not run.
class CodeSelection
{
public:
    explicit CodeSelection(QAbstractItemView *view);
    ~CodeSelection();
    CodeSelection(const CodeSelection &) = delete;
    CodeSelection &operator=(const CodeSelection &) = delete;

private:
    QAbstractItemView *const m_view;
};

} // namespace listsel
