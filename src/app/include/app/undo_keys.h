// Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y in the main window: the document's undo
// and redo, except in a text field that keeps them for its own typing.
#pragma once

#include <QKeySequence>
#include <QList>

#include <functional>

class QLineEdit;
class QWidget;

namespace undokeys {

// The keys of undo: Qt's standard ones for the platform and Ctrl+Z; of redo:
// Qt's, Ctrl+Shift+Z and Ctrl+Y.
QList<QKeySequence> undoKeys();
QList<QKeySequence> redoKeys();

// What the keys do outside the text fields that own them.
struct Actions
{
    std::function<void()> undo;
    std::function<void()> redo;
    std::function<bool()> canUndo;
    std::function<bool()> canRedo;
};

// Whether the keys belong to `w`'s own undo: a text field the user types into
// (a line edit, the memos) that has not given them to the document.
bool ownsUndoKeys(const QWidget *w);

// The keys run `actions` anywhere in `window`, except in a text field that
// owns them, whose own undo they run. `field` (the yellow line) gives its keys
// to the document: its own undo is off, and the rows "Angre" and "Gjør om"
// of its context menu undo and redo the document.
void install(QWidget *window, QLineEdit *field, Actions actions);

} // namespace undokeys
