// The document: the lines of the configuration file, as the "Fil" page lists them.
#include "workspace/document.h"

#include "platform/text8.h"

#include <algorithm>

void Document::setLines(Lines lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    m_upper.assign(m_lines);
    takeAsRead();
    endResetModel();
    noteModified();
}

void Document::setLines(Lines lines, const QByteArray &bytes)
{
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const std::vector<std::size_t> starts = linefile::lineStarts(lines, view);
    if (starts.empty()) {
        setLines(std::move(lines));
        return;
    }
    beginResetModel();
    m_lines = std::move(lines);
    m_upper.assign(m_lines, view, starts);
    takeAsRead(&bytes, &starts);
    endResetModel();
    noteModified();
}

Lines Document::takeLines()
{
    beginResetModel();
    Lines lines = std::move(m_lines);
    m_lines.clear();
    m_upper.clear();
    takeAsRead();
    endResetModel();
    noteModified();
    return lines;
}

void Document::clear()
{
    beginResetModel();
    m_lines.clear();
    m_upper.clear();
    takeAsRead();
    endResetModel();
    noteModified();
}

void Document::replace(int i, std::string text)
{
    if (!isLine(i))
        return;
    m_upper.replace(static_cast<std::size_t>(i), text);
    m_read.update(i, text);
    if (m_savedSinceLoad)
        m_saved.update(i, text);
    m_lines[static_cast<std::size_t>(i)] = std::move(text);
    const QModelIndex at = index(i);
    emit dataChanged(at, at, {Qt::DisplayRole});
    noteModified();
}

LinePos Document::append(std::string text)
{
    // A full document cannot take another line; the caller then shows no line.
    if (m_lines.size() >= MaxDocumentLines)
        return NoLine;
    const int row = count();
    beginInsertRows(QModelIndex(), row, row);
    m_upper.append(text);
    // A line may come where an undo took one away: within a snapshot it
    // differs or not as any replaced line does.
    m_read.update(row, text);
    if (m_savedSinceLoad)
        m_saved.update(row, text);
    m_lines.push_back(std::move(text));
    endInsertRows();
    noteModified();
    return static_cast<LinePos>(row);
}

void Document::removeLast(int n)
{
    n = std::min(n, count());
    if (n <= 0)
        return;
    const int first = count() - n;
    beginRemoveRows(QModelIndex(), first, count() - 1);
    m_lines.resize(static_cast<std::size_t>(first));
    m_upper.removeLast(static_cast<std::size_t>(n));
    endRemoveRows();
    noteModified();
}

void Document::takeAsRead(const QByteArray *bytes, const std::vector<std::size_t> *starts)
{
    if (bytes && starts)
        m_read.assign(m_lines, *bytes, *starts);
    else
        m_read.assign(m_lines);
    m_saved.clear();
    m_savedSinceLoad = false;
}

bool Document::isModified() const
{
    return (m_savedSinceLoad ? m_saved : m_read).isDifferent(count());
}

void Document::markSaved()
{
    m_saved.assign(m_lines);
    m_savedSinceLoad = true;
    noteModified();
}

void Document::noteModified()
{
    const bool now = isModified();
    if (now == m_modified)
        return;
    m_modified = now;
    emit modifiedChanged(now);
}

QModelIndex Document::index(int row, int column, const QModelIndex &parent) const
{
    if (row < 0 || row >= count() || column != 0 || parent.isValid())
        return QModelIndex();
    return createIndex(row, column);
}

int Document::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant Document::data(const QModelIndex &index, int role) const
{
    if ((role != Qt::DisplayRole && role != Qt::EditRole) || !index.isValid() || !isLine(index.row()))
        return {};
    const std::string &text = line(index.row());
    return role == Qt::EditRole ? text8::toDisplay(text) : shownText(text);
}

QString Document::shownText(std::string_view bytes)
{
    if (bytes.size() <= ShownBytes)
        return text8::toDisplay(bytes);
    return text8::toDisplay(bytes.substr(0, ShownBytes)) + QChar(0x2026);
}
