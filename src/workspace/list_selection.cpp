// Selecting list entries from code without running the lists' click handlers.
#include "workspace/list_selection.h"

#include <QItemSelectionModel>
#include <QKeyEvent>

namespace listsel {
namespace {

// Attached to a view that has a handler: runs it for the user's selections,
// and counts the selections from code that are under way in this view.
class UserSelection : public QObject
{
public:
    UserSelection(QAbstractItemView *view, std::function<void()> handler)
        : QObject(view)
        , m_view(view)
        , m_handler(std::move(handler))
    {
        setObjectName(QStringLiteral("os2setup-user-selection"));
        QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
            if (m_fromCode == 0 && selected(m_view) >= 0)
                m_handler();
        });
        // Both signals may report one mouse click; the handlers only show state,
        // so running one twice does no harm, while missing a click on the row
        // that is already current would.
        QObject::connect(view, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
            if (m_fromCode == 0 && index.isValid())
                m_handler();
        });
        view->installEventFilter(this);
    }

    static UserSelection *of(QAbstractItemView *view)
    {
        return view->findChild<UserSelection *>(QStringLiteral("os2setup-user-selection"), Qt::FindDirectChildrenOnly);
    }

    int m_fromCode = 0;

protected:
    // A view that gets the focus makes its first row current without selecting
    // it, so the first Down would select the second row. With nothing selected,
    // the first Up or Down selects the current row instead, as the user's.
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
    const std::function<void()> m_handler;
};

} // namespace

CodeSelection::CodeSelection(QAbstractItemView *view)
    : m_view(view)
{
    if (UserSelection *watch = UserSelection::of(m_view))
        ++watch->m_fromCode;
}

CodeSelection::~CodeSelection()
{
    if (UserSelection *watch = UserSelection::of(m_view))
        --watch->m_fromCode;
}

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
    const CodeSelection fromCode(view);
    if (row < 0 || row >= model->rowCount()) {
        selection->clear();
        return;
    }
    const QModelIndex index = model->index(row, 0);
    // Selecting the row that already is the one selected and current changes
    // nothing; it is left as it is (a keystroke in Edit1 selects its line again).
    const QItemSelection now = selection->selection();
    const bool already = selection->currentIndex() == index && now.size() == 1
                         && now.first().topLeft() == index && now.first().bottomRight() == index;
    if (!already)
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    view->scrollTo(index);
}

void clear(QAbstractItemView *view)
{
    select(view, -1);
}

void onUserSelect(QAbstractItemView *view, std::function<void()> handler)
{
    new UserSelection(view, std::move(handler));
}

} // namespace listsel
