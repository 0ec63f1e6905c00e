// Keys that work the same wherever the focus is in the main window, and the
// order Tab walks in.
#pragma once

class QAbstractButton;
class QKeySequence;
class QTabWidget;
class QWidget;

#include <functional>

namespace windowkeys {

// `key` runs `action` from anywhere in `window`.
void onKey(QWidget *window, const QKeySequence &key, std::function<void()> action);

// Ctrl+PgDn and Ctrl+Tab turn to the next page, Ctrl+PgUp and Ctrl+Shift+Tab
// to the one before, from any control of `window` (the buttons and the edit
// line too), round from the last page to the first. The key never reaches the
// control that has the focus: on a bar it would move it and so rewrite its
// statement.
void turnPagesFromAnywhere(QWidget *window, QTabWidget *notebook);

// Enter and Return press the push button of `window` that has the focus, as
// Space does.
void enterPressesButtons(QWidget *window);

// `key` presses `button` from anywhere in its window, while it is enabled.
void pressWith(QAbstractButton *button, const QKeySequence &key);

// After `before`, Tab goes to the notebook's tabs, then into the page shown:
// the tabs stand above the page, so the eye meets them first.
void tabsBeforePage(QWidget *before, QTabWidget *notebook);

} // namespace windowkeys
