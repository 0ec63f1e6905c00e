// Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y in the main window: the document's undo
// and redo, except in a text field that keeps them for its own typing.
#include "app/undo_keys.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextEdit>

namespace undokeys {
namespace {

// The property that marks a field whose keys are the document's.
constexpr char kGivesKeys[] = "os2setup_undoKeysToDocument";

QList<QKeySequence> withStandard(QKeySequence::StandardKey standard, const QList<QKeySequence> &own)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (const QKeySequence &key : own)
        if (!keys.contains(key))
            keys << key;
    return keys;
}

bool isUndoKey(const QKeyEvent *event)
{
    const QKeySequence key(event->keyCombination());
    return undoKeys().contains(key) || redoKeys().contains(key);
}

// Keeps the undo keys from the field's own undo: they reach the window's
// shortcuts instead, and a key that gets to the field all the same does nothing.
class GiveKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride && isUndoKey(static_cast<QKeyEvent *>(event))) {
            // Not taken: Qt offers the key to the shortcuts.
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::KeyPress && isUndoKey(static_cast<QKeyEvent *>(event)))
            return true;
        return QObject::eventFilter(watched, event);
    }
};

// The field's own context menu, whose rows "Angre" and "Gjør om" undo and
// redo the document. Shown without a nested event loop.
void showMenu(QLineEdit *field, const Actions &actions, const QPoint &at)
{
    QMenu *menu = field->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The rows as QLineEdit names them (in Qt's translation, if loaded); a
    // shortcut may follow a tab.
    const auto retarget = [menu](const char *text, const std::function<void()> &run, bool enabled) {
        const QString caption = QCoreApplication::translate("QLineEdit", text);
        for (QAction *row : menu->actions()) {
            if (row->text().section(u'\t', 0, 0) != caption)
                continue;
            row->disconnect();
            row->setEnabled(enabled);
            QObject::connect(row, &QAction::triggered, menu, run);
        }
    };
    retarget("&Undo", actions.undo, actions.canUndo());
    retarget("&Redo", actions.redo, actions.canRedo());
    menu->popup(field->mapToGlobal(at));
}

void forward(QWidget *field, bool undo)
{
    if (auto *line = qobject_cast<QLineEdit *>(field))
        undo ? line->undo() : line->redo();
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(field))
        undo ? plain->undo() : plain->redo();
    else if (auto *rich = qobject_cast<QTextEdit *>(field))
        undo ? rich->undo() : rich->redo();
}

void onKeys(QWidget *window, const QList<QKeySequence> &keys, const std::function<void()> &action, bool undo)
{
    auto *shortcut = new QShortcut(window);
    shortcut->setKeys(keys);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, [window, action, undo] {
        // A field that owns the keys mostly takes them before any shortcut
        // does; where Qt's standard keys lack one of ours (Ctrl+Y on some
        // desktops) it gets here, and goes to the field all the same.
        QWidget *focus = QApplication::focusWidget();
        if (focus && focus->window() == window && ownsUndoKeys(focus))
            forward(focus, undo);
        else
            action();
    });
}

} // namespace

QList<QKeySequence> undoKeys()
{
    return withStandard(QKeySequence::Undo, {QKeySequence(Qt::CTRL | Qt::Key_Z)});
}

QList<QKeySequence> redoKeys()
{
    return withStandard(QKeySequence::Redo,
                        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
}

bool ownsUndoKeys(const QWidget *w)
{
    if (!w || w->property(kGivesKeys).toBool())
        return false;
    if (const auto *line = qobject_cast<const QLineEdit *>(w))
        return !line->isReadOnly();
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(w))
        return !plain->isReadOnly();
    if (const auto *rich = qobject_cast<const QTextEdit *>(w))
        return !rich->isReadOnly();
    return false;
}

void install(QWidget *window, QLineEdit *field, Actions actions)
{
    field->setProperty(kGivesKeys, true);
    field->installEventFilter(new GiveKeys(field));
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(field, &QWidget::customContextMenuRequested, field,
                     [field, actions](const QPoint &at) { showMenu(field, actions, at); });
    onKeys(window, undoKeys(), actions.undo, true);
    onKeys(window, redoKeys(), actions.redo, false);
}

} // namespace undokeys
