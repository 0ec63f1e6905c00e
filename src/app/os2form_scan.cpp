// The main window's reading of the document into the pages: "Hent", the scan
// after it, and the page refresh when the page shown changes.
#include "app/os2form.h"

#include "app/drive_choice.h"
#include "pages/drivers_page.h"
#include "pages/network_page.h"
#include "platform/file_error.h"
#include "workspace/gated_document.h"
#include "workspace/status_area.h"

#include <optional>
#include <string_view>
#include <vector>

void TOs2Form::FormCreate()
{
    OpenKnappClick();
}

void TOs2Form::OpenKnappClick()
{
    // The document is emptied first and filled once the file is read, in the
    // memory of its earlier lines; a failed read leaves it empty. Edits are
    // discarded without a question; the status area tells how many. The scan
    // reads STARTUP.CMD again, so a memo's unsaved edits go too: those are
    // told by the file's name.
    const int changed = m_document.changedCount(), added = m_document.addedCount();
    const QStringList sideEdits = unsavedSideFiles();
    try {
        linefile::ReadFile file = m_files.readConfigFile(m_document.takeLines());
        m_document.setLines(std::move(file.lines));
    } catch (const FileError &e) {
        // The scan is skipped: nothing found in the earlier document may point
        // into this one, or lines added now would be written over later.
        forgetStatements();
        const std::optional<QString> noDrive = noDriveMessage(m_files.drives(), m_files.ConfigFileName());
        m_errors->report(noDrive.value_or(e.message()));
        tellDiscarded(changed, added);
        if (noDrive)
            m_status->showHint(QStringLiteral("Stasjon C: har ingen mappe – trykk F1 og «Velg OS/2-stasjonen…»"));
        return;
    }
    FormActivate();
    m_status->selectLine(0);
    const QStringList stillUnsaved = unsavedSideFiles();
    QStringList lost;
    for (const QString &file : sideEdits)
        if (!stillUnsaved.contains(file))
            lost << file;
    tellDiscarded(changed, added, lost);
}

void TOs2Form::forgetStatements()
{
    for (Page *page : m_pages)
        page->forget();
}

void TOs2Form::FormActivate()
{
    // The scan reads the document into the pages and writes nothing, whatever
    // the handlers it sets off would write for a user.
    const WriteGate::Looking looking(m_edits->gate());
    // The statements of the scan, all found in one pass over the document.
    // Nothing that runs in between writes, so a search made later would find
    // the same lines and values.
    static constexpr std::string_view kKeys[] = {"SET AUTOSTART", "SET RUNWORKPLACE", "THREADS", "MAXWAIT",
                                                 "PRIORITY",      "TIMESLICE",        "RESTARTOBJECTS", "PROTECTONLY"};
    const std::vector<IniValue> found = GetIniStrAll(m_document.searchLines(), kKeys);

    // Each page takes its statements and sets its own registers and controls.
    // The order of the steps matters because what they set off is shared: a
    // control set from code runs its handler, which shows its statement in
    // the one status area and selects a line in the one list. A later step
    // shows over an earlier one, so the RESTARTOBJECTS line made current last,
    // and then the page shown, are what the window shows when the scan is
    // done. Within a step the page sets its register before the control
    // whose handler reads it.
    m_startup->checkStartupCmdExists();
    m_dos->checkAutoexecExists();
    m_interface->scanAutostart(found[0]);
    m_interface->scanRunWorkplace(found[1]);
    m_performance->showStatements(found[2], found[3], found[4], found[5]);
    m_drivers->AddDevice();
    m_drivers->addbasedev();
    m_network->AddProtokoll();
    m_startup->startupcmdClick();
    m_startup->scanRestartObjects(found[6]);
    m_startup->scanProtectOnly(found[7]);
    m_startup->restartgroupClick();
    NoteBookClick();
}

void TOs2Form::NoteBookClick()
{
    // A refresh only reads: what its control changes set off writes nothing.
    const WriteGate::Looking looking(m_edits->gate());
    m_status->enableRemButton(true);
    m_status->clearEditLine();
    m_status->showMessage(QString());
    m_status->showHint(QString());
    m_pages[static_cast<std::size_t>(currentPage())]->refresh();
}

void TOs2Form::FilePage::refresh()
{
    const int i = m_status.selectedLine();
    if (m_doc.isLine(i))
        m_status.showLineInEditLine(static_cast<LinePos>(i));
    m_status.showHint(QStringLiteral("Rediger ") + m_configFileName);
}
