// Whether the edit line is the user's: only while it shows the selected line's
// own text. Otherwise it is read-only, its
// text grey on the yellow, and a hint says how to reach that statement.
#include "workspace/edit_line_lock.h"

#include "platform/text8.h"
#include "workspace/document.h"
#include "workspace/list_selection.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QLineEdit>

namespace {

// Dark enough on the yellow to read (5:1), plainly not the blue of a line
// that can be edited.
const QColor kLockedText(105, 105, 105);

} // namespace

EditLineLock::EditLineLock(const Document &doc, QLineEdit *edit, QAbstractItemView *list,
                           std::function<void()> changed)
    : m_doc(doc)
    , m_edit(edit)
    , m_list(list)
    , m_changed(std::move(changed))
    , m_openText(edit->palette().color(QPalette::Text))
{
    // The text, the selection and the lines decide; each change looks again.
    connect(edit, &QLineEdit::textChanged, this, [this] { update(); });
    QItemSelectionModel *selection = list->selectionModel();
    connect(selection, &QItemSelectionModel::selectionChanged, this, [this] { update(); });
    connect(selection, &QItemSelectionModel::currentChanged, this, [this] { update(); });
    connect(&doc, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &from, const QModelIndex &to) {
        const int i = listsel::selected(m_list);
        if (from.row() <= i && i <= to.row())
            update();
    });
    connect(&doc, &QAbstractItemModel::modelReset, this, [this] { update(); });
    connect(&doc, &QAbstractItemModel::rowsInserted, this, [this] { update(); });
    connect(&doc, &QAbstractItemModel::rowsRemoved, this, [this] { update(); });
    m_open = false;
    m_hint = QStringLiteral("?");
    update();
}

void EditLineLock::setLabelledLine(LinePos pos)
{
    if (pos == m_labelled)
        return;
    m_labelled = pos;
    update();
}

void EditLineLock::update()
{
    const int i = listsel::selected(m_list);
    const QString text = m_edit->text();
    const bool open = m_doc.isLine(i) && text8::isDisplayOf(text, m_doc.line(i));
    QString hint;
    if (open)
        hint.clear();
    else if (text.isEmpty())
        hint = QCoreApplication::translate("EditLineLock", "Velg en linje på «Fil», eller klikk en innstilling, for å endre den her");
    else if (m_labelled == NoLine)
        hint = QCoreApplication::translate("EditLineLock", "Linjen står ikke i filen og kan ikke endres her");
    else
        hint = QCoreApplication::translate("EditLineLock", "For å endre linjen: klikk innstillingen den hører til, eller velg linjen på «Fil»");
    if (open == m_open && hint == m_hint)
        return;
    m_open = open;
    m_hint = hint;
    m_edit->setReadOnly(!open);
    QPalette p = m_edit->palette();
    p.setColor(QPalette::Text, open ? m_openText : kLockedText);
    m_edit->setPalette(p);
    m_edit->setAccessibleDescription(hint);
    if (m_changed)
        m_changed();
}
