// Whether the edit line is the user's: only while it shows the selected line's
// own text. Otherwise it is read-only, its
// text grey on the yellow, and a hint says how to reach that statement.
#pragma once

#include "engine/search.h"

#include <QColor>
#include <QObject>
#include <QString>

#include <functional>

class Document;
class QAbstractItemView;
class QLineEdit;

class EditLineLock : public QObject
{
public:
    // `changed` runs whenever the lock or its hint changes. The list must
    // have its model.
    EditLineLock(const Document &doc, QLineEdit *edit, QAbstractItemView *list, std::function<void()> changed);

    // True while the edit line shows the selected line. The user's keystroke
    // is judged by the state from before it: the text changes first, and
    // the state follows once the line is written (or the edit line set).
    bool showsSelectedLine() const { return m_open; }
    // How to edit the statement shown, while the edit line is locked; empty
    // while it is open.
    const QString &hint() const { return m_hint; }

    // The line the line label names (NoLine: a statement the file lacks),
    // which tells the hint what the edit line shows.
    void setLabelledLine(LinePos pos);

private:
    void update();

    const Document &m_doc;
    QLineEdit *const m_edit;
    QAbstractItemView *const m_list;
    const std::function<void()> m_changed;
    const QColor m_openText;
    LinePos m_labelled = NoLine;
    bool m_open = true;
    QString m_hint;
};
