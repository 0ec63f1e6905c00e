// The history of the user's changes to the document, one step per action of
// the user's, for undo and redo on Qt's undo stack.
#pragma once

#include "engine/search.h"
#include "platform/line_file.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <optional>
#include <string>
#include <vector>

class Document;

// What one action of the user's changed: the lines it replaced, each with its
// text before and after, and the lines it appended at the end.
struct EditStep
{
    struct Change
    {
        int line;
        std::string before;
        std::string after;
    };
    int countBefore = 0;
    std::vector<Change> changes;
    Lines appended;
    // The line the action wrote first (an appended line where it added one):
    // the line shown after an undo or redo.
    LinePos focus = NoLine;
    // A run of actions that make one step (keystrokes on one line, the moves
    // of one drag): who runs it and which run of theirs; no source for none.
    const void *runSource = nullptr;
    int run = 0;
    // The first and last action of the user's that the step holds.
    quint64 firstAction = 0;
    quint64 lastAction = 0;

    // The document before the step, from the document after it; and back.
    void undo(Document &doc) const;
    void redo(Document &doc) const;
    // "Linje 12: before → after" (or "Linje 40: + text"), as "Endringer" shows
    // the line, and how many more lines the step changed.
    QString describe() const;
};

// The document's one history. The write path tells it of every change before
// it is made; when the user's action ends, what the action changed becomes one
// step on the stack. A load (the document's reset) empties it.
class EditHistory : public QObject
{
    Q_OBJECT

public:
    explicit EditHistory(Document &doc, QObject *parent = nullptr);

    // Line `line` is about to be replaced, or a line appended, by the user's action.
    void willReplace(int line);
    void willAppend();
    // The line the action is about, unless it named one already.
    void setFocus(LinePos line);
    // This action's step joins the step before when that one is of the same
    // run of `source`'s and came from the action just before, on the same
    // lines: a run of keystrokes on one line is one step.
    void joinRun(const void *source, int run = 0);
    // The user's action has ended.
    void endAction();

    // What an undo or redo changed: the line to show, and the step's text.
    struct Done
    {
        LinePos line;
        QString text;
    };
    // The write path calls these only while a user's action may write.
    std::optional<Done> undo();
    std::optional<Done> redo();

    bool canUndo() const { return m_stack.canUndo(); }
    bool canRedo() const { return m_stack.canRedo(); }
    int steps() const { return m_stack.count(); }
    // The document as it stands now was saved; the stack's clean state.
    void markSaved() { m_stack.setClean(); }
    bool isClean() const { return m_stack.isClean(); }
    const QUndoStack &stack() const { return m_stack; }

signals:
    // Lines from `first` on, which an undo took away, will not come back: a
    // new line is about to take the place of the first. Positions kept there
    // point at nothing now.
    void linesGone(LinePos first);

private:
    void clear();
    // The action's step, from its first change on.
    void begin();

    Document &m_doc;
    QUndoStack m_stack;
    std::optional<EditStep> m_pending;
    const void *m_runSource = nullptr;
    int m_run = 0;
    quint64 m_actions = 0;
    // The most lines the document has held since the load, or since a new
    // line took the place of one an undo took away: the lines a redo may bring back.
    int m_reach = 0;
};
