// The status area under the pages: the yellow edit line Edit1, the line label,
// the red message and navy hint lines, the REM button, and which line of the
// "Fil" page's list is selected.
#include "workspace/status_area.h"

#include "platform/text8.h"
#include "workspace/accessibility.h"
#include "workspace/document.h"
#include "workspace/edit_line_lock.h"
#include "workspace/list_selection.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

StatusArea::StatusArea(const Document &doc, QString configFileName, StatusWidgets widgets)
    : m_doc(doc)
    , m_configFileName(std::move(configFileName))
    , m_w(widgets)
    , m_announcer(new a11y::StatusAnnouncer(m_w.Label2))
{
    // The red line carries messages that call for attention, the navy one
    // hints about the line shown.
    m_announcer->watch(m_w.Label2, QAccessible::Notification);
    m_announcer->watch(m_w.Label3, QAccessible::StatusBar);
    m_lock = std::make_unique<EditLineLock>(m_doc, m_w.Edit1, m_w.ListBox, [this] { showHintLine(); });
    showHintLine();
}

StatusArea::~StatusArea() = default;

LinePos StatusArea::lineOf(LinePos pos) const
{
    return lineIn(m_doc.lines(), pos);
}

void StatusArea::vislinje(LinePos pos)
{
    const QString text = pos == NoLine ? QCoreApplication::translate("StatusArea", "ikke i %1").arg(m_configFileName)
                                       : QCoreApplication::translate("StatusArea", "Linje nr. %1").arg(QString::number(static_cast<int>(pos) + 1));
    // The label is narrow: a long file name loses its folders on the left,
    // keeping the name itself, and the tooltip and the screen reader have it whole.
    QLabel *label = m_w.LinjeLabel;
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideLeft, label->contentsRect().width()));
    label->setToolTip(text);
    label->setAccessibleName(text);
    if (m_lock)
        m_lock->setLabelledLine(pos);
}

int StatusArea::selectedLine() const
{
    return listsel::selected(m_w.ListBox);
}

void StatusArea::selectLine(LinePos pos)
{
    listsel::select(m_w.ListBox, pos == NoLine ? -1 : static_cast<int>(pos));
}

void StatusArea::showInEditLine(std::string_view bytes)
{
    m_w.Edit1->setText(text8::toDisplay(bytes));
}

void StatusArea::showTextInEditLine(const QString &text)
{
    m_w.Edit1->setText(text);
}

void StatusArea::showLineInEditLine(LinePos pos)
{
    const LinePos line = lineOf(pos);
    if (line == NoLine)
        m_w.Edit1->clear();
    else
        showInEditLine(m_doc.line(line));
}

std::optional<std::string> StatusArea::editLineBytes() const
{
    return text8::fromDisplay(m_w.Edit1->text());
}

bool StatusArea::editLineShowsSelectedLine() const
{
    return m_lock && m_lock->showsSelectedLine();
}

void StatusArea::makeCurrent(LinePos pos)
{
    const LinePos line = lineOf(pos);
    vislinje(line);
    selectLine(line);
    showLineInEditLine(line);
}

void StatusArea::showMessage(const QString &text)
{
    m_w.Label2->setText(text);
    m_announcer->changed(m_w.Label2);
}

void StatusArea::showHint(const QString &text)
{
    m_pageHint = text;
    showHintLine();
}

void StatusArea::showHintLine()
{
    if (!m_lock)
        return;
    const QString &text = m_pageHint.isEmpty() ? m_lock->hint() : m_pageHint;
    if (m_w.Label3->text() == text)
        return;
    m_w.Label3->setText(text);
    m_announcer->changed(m_w.Label3);
}

void StatusArea::enableRemButton(bool on)
{
    m_w.RemKnapp->setEnabled(on);
}
