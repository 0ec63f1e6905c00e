// The whole of a line before and after a change, beside a list of changes
// whose rows show only the start of each.
#pragma once

#include <QWidget>

#include <optional>
#include <string>

class QLineEdit;

// Two read-only fields, "Før:" and "Nå:", that the keyboard (Tab, then the
// arrow keys, Home and End) and a screen reader reach: a tooltip alone would
// leave the rest of a long line to the mouse.
class ChangeDetail : public QWidget
{
    Q_OBJECT

public:
    // The fields are named `name` + "Foer" and `name` + "Naa".
    ChangeDetail(const QString &name, QWidget *parent);

    // The line's bytes before and after; nothing for a side it has none on
    // (an added line has no before).
    void showTexts(const std::optional<std::string> &before, const std::optional<std::string> &after);
    void clear();

    QLineEdit *before() const { return m_before; }
    QLineEdit *after() const { return m_after; }

private:
    QLineEdit *const m_before;
    QLineEdit *const m_after;
};
