// Keyboard and wheel rules for controls whose change writes to the document.
#pragma once

class QButtonGroup;
class QEvent;
class QWidget;

// A wheel turned over `control` changes it only while it has the keyboard
// focus; otherwise the turn goes on to the parent, as if the control were not
// there. A pointer passing over a control must not rewrite a statement.
void wheelOnlyWithFocus(QWidget *control);

// Tab and Shift+Tab enter the exclusive `group` on its checked button. Qt
// moves a group's Tab stop only to the button that last took the focus, so a
// button checked from code (the scan, "Hent") would leave the stop on the first
// button, or on one the user merely visited; the arrow keys would then check
// that button's neighbour.
void tabStopOnCheckedButton(QButtonGroup *group);

// Checks item `id` of the exclusive `group` from code; -1 leaves no item
// checked. No handler runs: a group's handler hangs on idClicked.
void checkItem(QButtonGroup *group, int id);

// True for a left click, Enter, Return or Space: what opens a field that only
// shows a statement and leads to its line when the user acts on it.
bool isActivation(const QEvent *event);
