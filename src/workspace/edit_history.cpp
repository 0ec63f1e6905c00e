// The history of the user's changes to the document, for undo and redo.
#include "workspace/edit_history.h"

#include "platform/text8.h"
#include "workspace/document.h"

#include <QCoreApplication>
#include <QUndoCommand>

#include <algorithm>
#include <utility>

namespace {

// One step on the stack. The step is made when it is pushed: the first
// redo, which QUndoStack::push runs, finds the document as it already is.
class StepCommand : public QUndoCommand
{
public:
    StepCommand(Document &doc, EditStep step) : m_doc(doc), m_step(std::move(step)) {}

    const EditStep &step() const { return m_step; }
    void undo() override { m_step.undo(m_doc); }
    void redo() override
    {
        if (m_done)
            m_step.redo(m_doc);
        m_done = true;
    }
    int id() const override { return m_step.runSource ? 1 : -1; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    Document &m_doc;
    EditStep m_step;
    bool m_done = false;
};

bool StepCommand::mergeWith(const QUndoCommand *other)
{
    // QUndoStack offers the step on top, never one after an undone step or
    // the step the document was saved at.
    const EditStep &next = static_cast<const StepCommand *>(other)->step();
    if (next.runSource != m_step.runSource || next.run != m_step.run || next.firstAction != m_step.lastAction + 1
        || !next.appended.empty() || !m_step.appended.empty())
        return false;
    // A run on one line: another line (the selection moved by a page) starts a step of its own.
    const auto mine = [this](int line) {
        return std::find_if(m_step.changes.begin(), m_step.changes.end(),
                            [line](const EditStep::Change &c) { return c.line == line; });
    };
    for (const EditStep::Change &change : next.changes)
        if (mine(change.line) == m_step.changes.end())
            return false;
    for (const EditStep::Change &change : next.changes)
        mine(change.line)->after = change.after;
    m_step.lastAction = next.lastAction;
    // Typed and erased again: the run changed nothing, and leaves no step.
    setObsolete(std::all_of(m_step.changes.begin(), m_step.changes.end(),
                            [](const EditStep::Change &c) { return c.before == c.after; }));
    return true;
}

} // namespace

void EditStep::undo(Document &doc) const
{
    doc.removeLast(doc.count() - countBefore);
    for (const Change &change : changes)
        doc.replace(change.line, change.before);
}

void EditStep::redo(Document &doc) const
{
    for (const Change &change : changes)
        doc.replace(change.line, change.after);
    for (const std::string &line : appended)
        doc.append(line);
}

namespace {

// What the hint line has room for of one text, in characters.
constexpr std::size_t kShown = 26;

// `bytes` from `from` on, at most kShown characters; "…" where cut.
QString shown(std::string_view bytes, std::size_t from)
{
    // Cut in the bytes first: a line may be a megabyte long.
    QString text = text8::toDisplay(bytes.substr(from, kShown + 1));
    if (text.size() > static_cast<qsizetype>(kShown))
        text = text.left(static_cast<qsizetype>(kShown) - 1) + QChar(0x2026);
    return from > 0 ? QChar(0x2026) + text : text;
}

// "before → after" from a little before where the two first differ, so that a
// long line shows what changed in it.
QString changeOf(std::string_view before, std::string_view after)
{
    const std::size_t common = static_cast<std::size_t>(
        std::mismatch(before.begin(), before.end(), after.begin(), after.end()).first - before.begin());
    constexpr std::size_t kContext = 10;
    const std::size_t from = common > kShown - kContext ? common - kContext : 0;
    return shown(before, from) + QStringLiteral(" → ") + shown(after, from);
}

} // namespace

QString EditStep::describe() const
{
    LinePos line = focus;
    if (line == NoLine)
        line = changes.empty() ? static_cast<LinePos>(countBefore) : static_cast<LinePos>(changes.front().line);
    const auto at = static_cast<int>(line);
    const QString number = QString::number(at + 1);
    QString text;
    if (at >= countBefore && at - countBefore < static_cast<int>(appended.size())) {
        const auto &added = appended[static_cast<std::size_t>(at - countBefore)];
        text = QCoreApplication::translate("EditHistory", "Linje %1: + %2").arg(number, shown(added, 0));
    } else {
        const auto change = std::find_if(changes.begin(), changes.end(), [at](const Change &c) { return c.line == at; });
        const QString what = change != changes.end() ? changeOf(change->before, change->after) : QString();
        text = QCoreApplication::translate("EditHistory", "Linje %1: %2").arg(number, what);
    }
    const int more = static_cast<int>(changes.size() + appended.size()) - 1;
    if (more == 1)
        return QCoreApplication::translate("EditHistory", "%1 og 1 linje til").arg(text);
    if (more > 1)
        return QCoreApplication::translate("EditHistory", "%1 og %2 linjer til")
            .arg(text, QString::number(more));
    return text;
}

EditHistory::EditHistory(Document &doc, QObject *parent)
    : QObject(parent)
    , m_doc(doc)
    , m_reach(doc.count())
{
    // A load, "Hent" among them, starts the history anew.
    connect(&m_doc, &QAbstractItemModel::modelReset, this, &EditHistory::clear);
}

void EditHistory::clear()
{
    m_pending.reset();
    m_stack.clear();
    m_reach = m_doc.count();
}

void EditHistory::begin()
{
    if (m_pending)
        return;
    m_pending.emplace();
    m_pending->countBefore = m_doc.count();
}

void EditHistory::willReplace(int line)
{
    begin();
    // A line the step appended is taken as it stands at the end.
    if (!m_doc.isLine(line) || line >= m_pending->countBefore)
        return;
    const auto known = std::find_if(m_pending->changes.begin(), m_pending->changes.end(),
                                    [line](const EditStep::Change &c) { return c.line == line; });
    if (known == m_pending->changes.end())
        m_pending->changes.push_back({line, m_doc.line(line), std::string()});
}

void EditHistory::willAppend()
{
    begin();
    if (m_doc.count() < m_reach) {
        m_reach = m_doc.count();
        emit linesGone(static_cast<LinePos>(m_doc.count()));
    }
}

void EditHistory::setFocus(LinePos line)
{
    if (m_pending && m_pending->focus == NoLine)
        m_pending->focus = line;
}

void EditHistory::joinRun(const void *source, int run)
{
    m_runSource = source;
    m_run = run;
}

void EditHistory::endAction()
{
    ++m_actions;
    std::optional<EditStep> step = std::exchange(m_pending, std::nullopt);
    const void *source = std::exchange(m_runSource, nullptr);
    if (!step)
        return;
    for (EditStep::Change &change : step->changes)
        change.after = m_doc.line(change.line);
    std::erase_if(step->changes, [](const EditStep::Change &c) { return c.before == c.after; });
    for (int i = step->countBefore; i < m_doc.count(); ++i)
        step->appended.push_back(m_doc.line(i));
    if (step->changes.empty() && step->appended.empty())
        return;
    step->runSource = source;
    step->run = m_run;
    step->firstAction = step->lastAction = m_actions;
    m_reach = std::max(m_reach, m_doc.count());
    m_stack.push(new StepCommand(m_doc, std::move(*step)));
}

std::optional<EditHistory::Done> EditHistory::undo()
{
    if (!m_stack.canUndo())
        return std::nullopt;
    const EditStep &step = static_cast<const StepCommand *>(m_stack.command(m_stack.index() - 1))->step();
    const QString text = step.describe();
    m_stack.undo();
    // An appended line is gone again: the line before it is shown.
    const LinePos line = step.focus != NoLine && m_doc.isLine(step.focus)
                             ? step.focus
                             : static_cast<LinePos>(std::max(0, m_doc.count() - 1));
    return Done{line, text};
}

std::optional<EditHistory::Done> EditHistory::redo()
{
    if (!m_stack.canRedo())
        return std::nullopt;
    const EditStep &step = static_cast<const StepCommand *>(m_stack.command(m_stack.index()))->step();
    m_stack.redo();
    return Done{step.focus, step.describe()};
}
