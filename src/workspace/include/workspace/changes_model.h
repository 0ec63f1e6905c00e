// The changes of the document against the lines as read, one row per changed
// or added line in line order, kept in step with the document.
#pragma once

#include "engine/search.h"

#include <QAbstractListModel>

#include <string_view>
#include <vector>

class Document;

// "3 linjer endret, 1 lagt til", or "Ingen endringer".
QString changesSummary(int changed, int added);

// A row of a list of changes: "Linje N: <before> → <after>" for a changed
// line, "Linje N: + <after>" for an added one, "Linje N: − <before>" for a
// removed one. Each of two texts is cut after RowChars characters, then "…",
// so that the line number, the arrow and the start of both fit a row (one
// text alone takes the room of both); the lists show the whole texts of the
// row chosen beside it.
namespace changerow {
inline constexpr int RowChars = 32;
QString changed(std::size_t lineNumber, std::string_view before, std::string_view after);
QString added(std::size_t lineNumber, std::string_view after);
QString removed(std::size_t lineNumber, std::string_view before);
} // namespace changerow

class ChangesModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit ChangesModel(const Document &document, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    // The row of a changed or an added line (see changerow); its tooltip
    // holds both texts as the list of lines shows them, and for a list
    // statement the items added, removed or moved.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The document line of `row`, NoLine when there is no such row.
    LinePos lineAt(int row) const;

private:
    // Each follows one kind of change of the document, and touches only the
    // rows of the lines concerned: a keystroke costs one row, not a pass
    // over the whole document.
    void linesReplaced(int first, int last);
    void linesAppended(int first, int last);
    void linesRemoved(int first);
    void rebuild();

    const Document &m_doc;
    // The changed and added lines, ascending.
    std::vector<int> m_lines;
};
