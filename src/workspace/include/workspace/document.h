// The document: the lines of the configuration file, as the "Fil" page lists them.
#pragma once

#include "engine/search.h"
#include "engine/upper_lines.h"
#include "platform/line_file.h"
#include "workspace/line_baseline.h"

#include <QAbstractListModel>

// Lines are raw bytes, kept exactly as read and shown through the 8-bit display.
// A line keeps its position for its life: lines are replaced or appended, and
// only an undo takes appended lines away again, from the end.
// Beside them the document keeps their upper-cased copy, in step with every
// change, for the searches.
class Document : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    // The list shows at most this many bytes of a line, then "…": drawing a
    // line of a megabyte would take seconds. Edit1, the file and whoever asks
    // the model for Qt::EditRole get every byte.
    static constexpr std::size_t ShownBytes = 4000;
    // `bytes` as the list shows a line: cut after ShownBytes, then "…".
    static QString shownText(std::string_view bytes);

    const Lines &lines() const { return m_lines; }
    const UpperLines &upperLines() const { return m_upper; }
    SearchLines searchLines() const { return SearchLines{m_lines, m_upper}; }
    int count() const { return static_cast<int>(m_lines.size()); }
    const std::string &line(int i) const { return m_lines.at(static_cast<std::size_t>(i)); }
    bool isLine(int i) const { return i >= 0 && i < count(); }

    void setLines(Lines lines);
    // The same for `lines` split from `bytes` (linefile::split): the lines as
    // read share those bytes, and the upper-cased copy is made from them.
    void setLines(Lines lines, const QByteArray &bytes);
    void clear();
    // Empties the document and hands over its lines, whose memory a reload
    // can fill again.
    [[nodiscard]] Lines takeLines();
    void replace(int i, std::string text);
    // Appends a line and returns its position.
    LinePos append(std::string text);
    // Takes the last `n` lines away (an undo of their appending).
    void removeLast(int n);

    // The lines as the last load read them (setLines; a failed load read
    // none), and what differs from them: a line read whose bytes differ now is
    // changed, a line past their end is added.
    const LineBaseline &asRead() const { return m_read; }
    bool isChanged(int i) const { return m_read.differs(i); }
    bool isAdded(int i) const { return isLine(i) && i >= m_read.count(); }
    int changedCount() const { return m_read.differing(); }
    int addedCount() const { return count() - m_read.count(); }

    // Whether the document differs from the lines last saved, or, before any
    // save since the load, from the lines read.
    bool isModified() const;
    // The lines as they stand now have been saved.
    void markSaved();

    // As QAbstractListModel's, without its two virtual calls: the list asks
    // for every row each time it lays itself out.
    QModelIndex index(int row, int column = 0, const QModelIndex &parent = QModelIndex()) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

signals:
    // isModified() turned to `modified`.
    void modifiedChanged(bool modified);

private:
    // Both snapshots start anew from the lines now held (or none), which
    // were split from `bytes` when those are given.
    void takeAsRead(const QByteArray *bytes = nullptr, const std::vector<std::size_t> *starts = nullptr);
    void noteModified();

    Lines m_lines;
    UpperLines m_upper;
    LineBaseline m_read;
    LineBaseline m_saved;
    bool m_savedSinceLoad = false;
    bool m_modified = false;
};
