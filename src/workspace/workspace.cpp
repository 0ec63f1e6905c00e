// What every page works with: the document, the status area, the line
// registers, the drives, the files the program writes and error reporting.
#include "workspace/workspace.h"

#include "platform/file_error.h"
#include "platform/line_file.h"
#include "platform/text8.h"
#include "workspace/edit_line_lock.h"
#include "workspace/list_selection.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

Workspace::Workspace(Document &document, DriveMap drives, QString configFileName, StatusWidgets widgets,
                     ErrorReporter &errors)
    : m_doc(document)
    , m_drives(std::move(drives))
    , m_configFileName(std::move(configFileName))
    , m_w(widgets)
    , m_errors(errors)
    , m_announcer(new a11y::StatusAnnouncer(m_w.Label2))
    , m_guard(m_drives, m_configFileName)
{
    m_w.ListBox->setModel(&m_doc);
    // The red line carries messages that call for attention, the navy one
    // hints about the line shown.
    m_announcer->watch(m_w.Label2, QAccessible::Notification);
    m_announcer->watch(m_w.Label3, QAccessible::StatusBar);
    m_lock = std::make_unique<EditLineLock>(m_doc, m_w.Edit1, m_w.ListBox, [this] { showHintLine(); });
    showHintLine();
}

Workspace::~Workspace() = default;

void Workspace::NoteBookClick()
{
    if (m_refresh)
        m_refresh();
}

LinePos Workspace::lineOf(LinePos pos) const
{
    return lineIn(m_doc.lines(), pos);
}

void Workspace::vislinje(LinePos pos)
{
    const QString text = pos == NoLine ? QStringLiteral("ikke i ") + m_configFileName
                                       : QStringLiteral("Linje nr. ") + QString::number(int(pos) + 1);
    // The label is narrow: a long file name loses its folders on the left,
    // keeping the name itself, and the tooltip and the screen reader have it whole.
    QLabel *label = m_w.LinjeLabel;
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideLeft, label->contentsRect().width()));
    label->setToolTip(text);
    label->setAccessibleName(text);
    if (m_lock)
        m_lock->setLabelledLine(pos);
}

int Workspace::selectedLine() const
{
    return listsel::selected(m_w.ListBox);
}

void Workspace::selectLine(LinePos pos)
{
    listsel::select(m_w.ListBox, pos == NoLine ? -1 : int(pos));
}

void Workspace::showInEditLine(std::string_view bytes)
{
    m_w.Edit1->setText(text8::toDisplay(bytes));
}

void Workspace::showTextInEditLine(const QString &text)
{
    m_w.Edit1->setText(text);
}

void Workspace::showLineInEditLine(LinePos pos)
{
    const LinePos line = lineOf(pos);
    if (line == NoLine)
        m_w.Edit1->clear();
    else
        showInEditLine(m_doc.line(line));
}

std::optional<std::string> Workspace::editLineBytes() const
{
    return text8::fromDisplay(m_w.Edit1->text());
}

bool Workspace::editLineShowsSelectedLine() const
{
    return m_lock && m_lock->showsSelectedLine();
}

void Workspace::makeCurrent(LinePos pos)
{
    const LinePos line = lineOf(pos);
    vislinje(line);
    selectLine(line);
    showLineInEditLine(line);
}

void Workspace::showMessage(const QString &text)
{
    m_w.Label2->setText(text);
    m_announcer->changed(m_w.Label2);
}

void Workspace::showHint(const QString &text)
{
    m_pageHint = text;
    showHintLine();
}

void Workspace::showHintLine()
{
    if (!m_lock)
        return;
    const QString &text = m_pageHint.isEmpty() ? m_lock->hint() : m_pageHint;
    if (m_w.Label3->text() == text)
        return;
    m_w.Label3->setText(text);
    m_announcer->changed(m_w.Label3);
}

void Workspace::enableRemButton(bool on)
{
    m_w.RemKnapp->setEnabled(on);
}

void Workspace::replaceLine(LinePos pos, std::string text)
{
    Q_ASSERT_X(mayWrite(), "Workspace::replaceLine", "a write that no user's action asked for");
    const LinePos line = lineOf(pos);
    if (line == NoLine || !mayWrite())
        return;
    m_doc.replace(line, std::move(text));
    selectLine(line);
}

LinePos Workspace::appendLine(std::string text)
{
    Q_ASSERT_X(mayWrite(), "Workspace::appendLine", "a write that no user's action asked for");
    if (!mayWrite())
        return NoLine;
    return m_doc.append(std::move(text));
}

void Workspace::writeStatement(LinePos reg, const std::string &statement)
{
    const LinePos line = lineOf(reg);
    vislinje(line);
    if (line != NoLine) {
        if (mayWrite())
            replaceLine(line, statement);
        selectLine(line);
        showLineInEditLine(line);
    } else {
        selectLine(NoLine);
        showInEditLine(statement);
    }
}

bool Workspace::SetDevice(std::string_view name)
{
    showMessage(QStringLiteral("Bruk REM-knappen til å endre"));
    LinePos line = FoundDevice(m_doc.searchLines(), name);
    const bool active = line != NoLine;
    if (!active) {
        line = FinnREM(m_doc.searchLines(), "REM ", name);
        if (line == NoLine && mayWrite())
            line = appendLine("REM DEVICE=C:\\OS2\\MDOS\\" + std::string(name));
    }
    makeCurrent(line);
    return active;
}

void Workspace::saveFile(const QString &dosPath, const Lines &lines) const
{
    saveFileBytes(dosPath, linefile::join(lines));
}

void Workspace::saveFileBytes(const QString &dosPath, std::string_view bytes) const
{
    m_guard.checkWrite(dosPath);
    linefile::saveBytes(m_drives, dosPath, bytes);
}

void Workspace::removeFile(const QString &dosPath) const
{
    m_guard.checkRemove(dosPath);
    linefile::remove(m_drives, dosPath);
}

QString Workspace::ask(const Question &question) const
{
    return m_asker(m_w.ListBox->window(), question);
}
