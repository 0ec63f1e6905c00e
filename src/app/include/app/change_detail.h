// The whole of a line before and after a change, beside a list of changes
// whose rows show only the start of each.
#pragma once

#include "engine/list_diff.h"

#include <QWidget>

#include <optional>
#include <string>

class QLineEdit;

// Two read-only fields, "Før:" and "Nå:", that the keyboard (Tab, then the
// arrow keys, Home and End) and a screen reader reach: a tooltip alone would
// leave the rest of a long line to the mouse. A third, "Elementer:", says
// for a list statement (LIBPATH, SET PATH ...) which items the change adds,
// removes or moves.
class ChangeDetail : public QWidget
{
    Q_OBJECT

public:
    // The fields are named `name` + "Foer", `name` + "Naa" and `name` +
    // "Elementer".
    ChangeDetail(const QString &name, QWidget *parent);

    // The line's bytes before and after; nothing for a side it has none on
    // (an added line has no before). The items: `items` when given (a list
    // line paired with one elsewhere in the file), else those of the two
    // lines when both are the same list statement.
    void showTexts(const std::optional<std::string> &before, const std::optional<std::string> &after,
                   const listdiff::ListChanges *items = nullptr);
    void clear();

    QLineEdit *before() const { return m_before; }
    QLineEdit *after() const { return m_after; }
    QLineEdit *items() const { return m_items; }

private:
    QLineEdit *const m_before;
    QLineEdit *const m_after;
    QLineEdit *const m_items;
};
