// Keys that work the same wherever the focus is in the main window, and the
// order Tab walks in.
#include "app/window_keys.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

#include <functional>

namespace windowkeys {
namespace {

void turn(QTabWidget *notebook, int step)
{
    const int count = notebook->count();
    if (count < 2)
        return;
    notebook->setCurrentIndex((notebook->currentIndex() + step + count) % count);
}

// A shortcut of the window wins over the focused control's own use of its
// keys (Qt offers a key to the shortcuts first).
void onKeys(QWidget *window, const QList<QKeySequence> &keys, std::function<void()> action, bool repeat)
{
    auto *shortcut = new QShortcut(window);
    shortcut->setKeys(keys);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(repeat);
    QObject::connect(shortcut, &QShortcut::activated, window, std::move(action));
}

} // namespace

void onKey(QWidget *window, const QKeySequence &key, std::function<void()> action)
{
    onKeys(window, {key}, std::move(action), true);
}

void turnPagesFromAnywhere(QWidget *window, QTabWidget *notebook)
{
    // Shift+Tab arrives as Backtab on most keyboards; both are named.
    onKeys(window, {QKeySequence(Qt::CTRL | Qt::Key_PageDown), QKeySequence(Qt::CTRL | Qt::Key_Tab)},
           [notebook] { turn(notebook, 1); }, true);
    onKeys(window,
           {QKeySequence(Qt::CTRL | Qt::Key_PageUp), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::Key_Backtab)},
           [notebook] { turn(notebook, -1); }, true);
}

void enterPressesButtons(QWidget *window)
{
    // Outside a dialog a push button takes Enter only as an "auto default"
    // button; in a plain window that makes no button the default one.
    for (QPushButton *button : window->findChildren<QPushButton *>())
        button->setAutoDefault(true);
}

void pressWith(QAbstractButton *button, const QKeySequence &key)
{
    // Held down, it presses once: a toggle that repeats would flicker.
    onKeys(
        button->window(), {key},
        [button] {
            if (button->isEnabled() && button->isVisible())
                button->click();
        },
        false);
}

void tabsBeforePage(QWidget *before, QTabWidget *notebook)
{
    QWidget::setTabOrder(before, notebook->tabBar());
    // The notebook hands the focus on to its tabs; as a stop of its own, after
    // the pages, it would lead Tab back to the tabs, round and round. The tabs
    // are the stop; the notebook is none.
    const Qt::FocusPolicy tabs = notebook->tabBar()->focusPolicy();
    notebook->setFocusProxy(nullptr);
    notebook->setFocusPolicy(Qt::NoFocus);
    notebook->tabBar()->setFocusPolicy(tabs);
}

} // namespace windowkeys
