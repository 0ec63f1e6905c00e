// The changes of the document against the lines as read.
#include "workspace/changes_model.h"

#include "engine/list_diff.h"
#include "platform/text8.h"
#include "workspace/document.h"

#include <QCoreApplication>

#include <algorithm>

QString changesSummary(int changed, int added)
{
    const QString c = QString::number(changed);
    const QString a = QString::number(added);
    const auto text = [](const char *source) { return QCoreApplication::translate("ChangesModel", source); };
    if (changed == 0 && added == 0)
        return text(QT_TRANSLATE_NOOP("ChangesModel", "Ingen endringer"));
    if (changed == 0)
        return text(added == 1 ? QT_TRANSLATE_NOOP("ChangesModel", "%1 linje lagt til")
                               : QT_TRANSLATE_NOOP("ChangesModel", "%1 linjer lagt til"))
            .arg(a);
    if (added == 0)
        return text(changed == 1 ? QT_TRANSLATE_NOOP("ChangesModel", "%1 linje endret")
                                 : QT_TRANSLATE_NOOP("ChangesModel", "%1 linjer endret"))
            .arg(c);
    return text(changed == 1 ? QT_TRANSLATE_NOOP("ChangesModel", "%1 linje endret, %2 lagt til")
                             : QT_TRANSLATE_NOOP("ChangesModel", "%1 linjer endret, %2 lagt til"))
        .arg(c, a);
}

namespace changerow {
namespace {

QString cut(std::string_view bytes, int chars = RowChars)
{
    // Cut in the bytes first: a line may be a megabyte long.
    const QString text = text8::toDisplay(bytes.substr(0, static_cast<std::size_t>(chars) + 1));
    return text.size() > chars ? text.left(chars) + QChar(0x2026) : text;
}

// A row with one text has the room of both and the arrow.
constexpr int OneText = 2 * RowChars + 3;

QString changedRow(std::size_t lineNumber, const QString &before, const QString &after)
{
    return QCoreApplication::translate("ChangesModel", "Linje %1: %2 → %3")
        .arg(QString::number(lineNumber), before, after);
}

QString addedRow(std::size_t lineNumber, const QString &after)
{
    return QCoreApplication::translate("ChangesModel", "Linje %1: + %2").arg(QString::number(lineNumber), after);
}

} // namespace

QString changed(std::size_t lineNumber, std::string_view before, std::string_view after)
{
    return changedRow(lineNumber, cut(before), cut(after));
}

QString added(std::size_t lineNumber, std::string_view after)
{
    return addedRow(lineNumber, cut(after, OneText));
}

QString removed(std::size_t lineNumber, std::string_view before)
{
    return QCoreApplication::translate("ChangesModel", "Linje %1: − %2")
        .arg(QString::number(lineNumber), cut(before, OneText));
}

} // namespace changerow

ChangesModel::ChangesModel(const Document &document, QObject *parent)
    : QAbstractListModel(parent)
    , m_doc(document)
{
    connect(&m_doc, &Document::dataChanged, this,
            [this](const QModelIndex &first, const QModelIndex &last) { linesReplaced(first.row(), last.row()); });
    connect(&m_doc, &Document::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { linesAppended(first, last); });
    connect(&m_doc, &Document::rowsRemoved, this,
            [this](const QModelIndex &, int first, int) { linesRemoved(first); });
    connect(&m_doc, &Document::modelReset, this, [this] {
        beginResetModel();
        rebuild();
        endResetModel();
    });
    rebuild();
}

void ChangesModel::rebuild()
{
    m_lines = m_doc.asRead().differingLines();
    for (int i = m_doc.asRead().count(); i < m_doc.count(); ++i)
        m_lines.push_back(i);
}

void ChangesModel::linesReplaced(int first, int last)
{
    for (int line = first; line <= last; ++line) {
        const auto at = std::lower_bound(m_lines.begin(), m_lines.end(), line);
        const int row = static_cast<int>(at - m_lines.begin());
        const bool listed = at != m_lines.end() && *at == line;
        const bool changed = m_doc.isChanged(line) || m_doc.isAdded(line);
        if (listed && changed) {
            emit dataChanged(index(row), index(row), {Qt::DisplayRole});
        } else if (listed) {
            beginRemoveRows(QModelIndex(), row, row);
            m_lines.erase(at);
            endRemoveRows();
        } else if (changed) {
            beginInsertRows(QModelIndex(), row, row);
            m_lines.insert(at, line);
            endInsertRows();
        }
    }
}

void ChangesModel::linesAppended(int first, int last)
{
    // Lines are appended only at the end, past every line listed.
    const int row = static_cast<int>(m_lines.size());
    beginInsertRows(QModelIndex(), row, row + last - first);
    for (int line = first; line <= last; ++line)
        m_lines.push_back(line);
    endInsertRows();
}

void ChangesModel::linesRemoved(int first)
{
    // Only an undo removes lines, the last ones, which are listed last.
    const auto from = std::lower_bound(m_lines.begin(), m_lines.end(), first);
    if (from == m_lines.end())
        return;
    const int row = static_cast<int>(from - m_lines.begin());
    beginRemoveRows(QModelIndex(), row, static_cast<int>(m_lines.size()) - 1);
    m_lines.erase(from, m_lines.end());
    endRemoveRows();
}

int ChangesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

LinePos ChangesModel::lineAt(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_lines.size()))
        return NoLine;
    return static_cast<LinePos>(m_lines[static_cast<std::size_t>(row)]);
}

QVariant ChangesModel::data(const QModelIndex &index, int role) const
{
    const LinePos line = index.isValid() ? lineAt(index.row()) : NoLine;
    if (line == NoLine || !m_doc.isLine(line))
        return {};
    const std::size_t number = static_cast<std::size_t>(line) + 1;
    if (role == Qt::DisplayRole)
        return m_doc.isAdded(line) ? changerow::added(number, m_doc.line(line))
                                   : changerow::changed(number, m_doc.asRead().line(line), m_doc.line(line));
    if (role != Qt::ToolTipRole)
        return {};
    const QString after = Document::shownText(m_doc.line(line));
    if (m_doc.isAdded(line))
        return changerow::addedRow(number, after);
    QString tip = changerow::changedRow(number, Document::shownText(m_doc.asRead().line(line)), after);
    // A list statement's items, which a long line hides.
    if (const std::optional<listdiff::ListChanges> items = listdiff::compare(m_doc.asRead().line(line), m_doc.line(line)))
        tip += u'\n' + listdiff::describe(*items);
    return tip;
}
