// Selecting list entries from code without running the lists' click handlers.
#include "list_selection.h"

#include <QItemSelectionModel>
#include <QKeyEvent>

namespace listsel {
namespace {
int s_depth = 0;

// A view that gets the focus makes its first row current without selecting it,
// so the first Down would select the second row. With nothing selected, the
// first Up or Down selects the current row instead, as a user's selection.
class FirstArrowSelects : public QObject
{
public:
    explicit FirstArrowSelects(QAbstractItemView *view)
        : QObject(view)
        , m_view(view)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_view || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Down && key->key() != Qt::Key_Up) || key->modifiers() != Qt::NoModifier)
            return false;
        QItemSelectionModel *selection = m_view->selectionModel();
        const QModelIndex current = selection ? selection->currentIndex() : QModelIndex();
        if (!current.isValid() || selection->hasSelection())
            return false;
        selection->select(current, QItemSelectionModel::ClearAndSelect);
        return true;
    }

private:
    QAbstractItemView *const m_view;
};
}

CodeSelection::CodeSelection() { ++s_depth; }
CodeSelection::~CodeSelection() { --s_depth; }
bool CodeSelection::active() { return s_depth > 0; }

int selected(const QAbstractItemView *view)
{
    const QItemSelectionModel *model = view->selectionModel();
    if (!model)
        return -1;
    const QModelIndex current = model->currentIndex();
    if (current.isValid() && model->isSelected(current))
        return current.row();
    const QModelIndexList rows = model->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void select(QAbstractItemView *view, int row)
{
    QAbstractItemModel *model = view->model();
    QItemSelectionModel *selection = view->selectionModel();
    if (!model || !selection)
        return;
    const CodeSelection fromCode;
    if (row < 0 || row >= model->rowCount()) {
        selection->clear();
        return;
    }
    const QModelIndex index = model->index(row, 0);
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    view->scrollTo(index);
}

void clear(QAbstractItemView *view)
{
    select(view, -1);
}

void onUserSelect(QAbstractItemView *view, QObject *context, std::function<void()> handler)
{
    // Both signals may report one mouse click; the handlers only show state, so
    // running one twice does no harm, while missing a click on the row that is
    // already current would.
    QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, context,
                     [view, handler] {
                         if (!CodeSelection::active() && selected(view) >= 0)
                             handler();
                     });
    QObject::connect(view, &QAbstractItemView::clicked, context, [handler](const QModelIndex &index) {
        if (!CodeSelection::active() && index.isValid())
            handler();
    });
    view->installEventFilter(new FirstArrowSelects(view));
}

} // namespace listsel
