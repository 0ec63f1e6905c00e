// The main window's panel and status area at work: "Lagre", "REM av/på",
// "Sjekk", typing in Edit1 and choosing a line on "Fil".
#include "app/os2form.h"

#include "ui_os2form.h"

#include "engine/boot_check.h"
#include "engine/file_check.h"
#include "platform/file_error.h"
#include "workspace/gated_document.h"
#include "workspace/status_area.h"

#include <QCoreApplication>

#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kRem = "REM ";

} // namespace

void TOs2Form::SaveKnappClick()
{
    m_errors->guarded([this] {
        // After a failed load the document is empty: saving it would leave a
        // CONFIG.NEW that cannot boot.
        if (!m_files.hasReadFile())
            throw FileError(QCoreApplication::translate("TOs2Form", "Kan ikke skrive %1: ingen fil er lest inn (%2 kunne ikke "
                                                                   "leses), så det er ingenting å lagre")
                                .arg(saveTarget(), m_files.ConfigFileName()));
        m_files.saveFile(saveTarget(), m_document.lines());
        m_document.markSaved();
        m_edits->history().markSaved();
        tellSaved();
        // Saved all the same: the lines here are what the user edited.
        if (m_files.readFileChanged())
            m_status->showMessage(QCoreApplication::translate("TOs2Form", "%1 er endret på disken siden den ble lest inn")
                                      .arg(m_files.ConfigFileName()));
    });
}

void TOs2Form::ListBoxClick()
{
    const int i = m_status->selectedLine();
    if (i < 0)
        return;
    m_status->vislinje(static_cast<LinePos>(i));
    m_status->showLineInEditLine(static_cast<LinePos>(i));
    m_status->showMessage(QString());
    m_status->showHint(QString());
}

void TOs2Form::Edit1Change()
{
    // Connected to the user's own edits only: text set by a page never gets here.
    const int i = m_status->selectedLine();
    if (i < 0 || i >= m_document.count())
        return;
    // A keystroke edits the selected line only when the edit line showed that
    // line; otherwise the edit line is read-only and no keystroke gets here.
    if (!m_status->editLineShowsSelectedLine())
        return;
    std::optional<std::string> text = m_status->editLineBytes();
    if (!text)
        return;
    // A run of keystrokes on one line is one step of the history.
    m_edits->joinRun(m_ui->Edit1);
    m_edits->replaceText(static_cast<LinePos>(i), std::move(*text));
}

void TOs2Form::RemKnappClick()
{
    const int i = m_status->selectedLine();
    if (i < 0 || i >= static_cast<int>(NoLine))
        return;
    std::optional<std::string> shown = m_status->editLineBytes();
    if (!shown)
        return;
    std::string t = std::move(*shown);
    if (t.empty() || t == kRem) {
        m_status->showMessage(QCoreApplication::translate("TOs2Form", "FEIL"));
        return;
    }
    // The edit line may show a statement that is not the selected line (a page
    // showing what it would write); toggling would put that text over the line.
    if (!m_status->editLineShowsSelectedLine() || !m_document.isLine(i) || t != m_document.line(i))
        return;
    if (t.compare(0, kRem.size(), kRem) == 0)
        t.erase(0, kRem.size());
    else
        t.insert(0, kRem);
    // The page refresh empties Edit1 and shows what the page shows (on "Fil"
    // the line toggled), so the toggled text is not put there first: for a
    // long line that would cost as much as the rest together.
    m_edits->replaceText(static_cast<LinePos>(i), std::move(t));
    NoteBookClick();
    // Where the page leads to the line (a driver's box on "DOS", a bar on
    // "Ytelse"...), the line stays current, so that a second press switches
    // it back; "Disk" and "Fil" keep it by their refresh already.
    if (m_pages[static_cast<std::size_t>(currentPage())]->leadsTo(static_cast<LinePos>(i)))
        m_status->makeCurrent(static_cast<LinePos>(i));
}

void TOs2Form::SjekkKnappClick()
{
    const std::optional<std::string> shown = m_status->editLineBytes();
    if (!shown)
        return;
    if (const auto message = checkStatement(m_files.drives(), bootDrive(), *shown))
        m_status->showMessage(*message);
}

QChar TOs2Form::bootDrive() const
{
    return bootcheck::bootDriveOf(m_files.ConfigFileName(), m_document.lines(), m_bootDrive);
}
