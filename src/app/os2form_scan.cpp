// The main window's reading of the document into the pages: "Hent", the scan
// after it, and the page refresh when the page shown changes.
#include "app/os2form.h"

#include "app/drive_choice.h"
#include "pages/drivers_page.h"
#include "pages/network_page.h"
#include "platform/file_error.h"
#include "workspace/gated_document.h"
#include "workspace/status_area.h"

#include <QCoreApplication>

#include <algorithm>
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
        m_document.setLines(std::move(file.lines), file.bytes);
    } catch (const FileError &e) {
        // The scan is skipped: nothing found in the earlier document may point
        // into this one, or lines added now would be written over later.
        forgetStatements();
        const std::optional<QString> noDrive = noDriveMessage(m_files.drives(), m_files.ConfigFileName());
        m_errors->report(noDrive.value_or(e.message()));
        tellDiscarded(changed, added);
        if (noDrive)
            m_status->showHint(QCoreApplication::translate("TOs2Form", "Stasjon C: har ingen mappe – trykk F1 og «Velg OS/2-stasjonen…»"));
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
    // The scan shows the document in the pages and writes nothing: no
    // handler runs while it sets a control.
    const WriteGate::Showing showing(m_gate);
    // One search for the statements that the pages read, each page's keys
    // once; each page then asks for what was found by key.
    std::vector<std::string_view> keys;
    for (const Page *page : m_pages)
        for (std::string_view key : page->scanKeys())
            if (std::find(keys.begin(), keys.end(), key) == keys.end())
                keys.push_back(key);
    const FoundStatements found(m_document.searchLines(), std::move(keys));

    // "Oppstart" comes first: it reads STARTUP.CMD again, before the DOS page
    // looks at AUTOEXEC.BAT, and it is the one page whose scan sets the status
    // area (the RESTARTOBJECTS line current, as its group shows it) until the
    // refresh of the page shown, which ends the scan, shows that page.
    m_startup->showFound(m_document, found);
    m_dos->showFound(m_document, found);
    m_interface->showFound(m_document, found);
    m_performance->showFound(m_document, found);
    m_drivers->showFound(m_document, found);
    m_network->showFound(m_document, found);
    // "Disk" and "Fil" read nothing at the scan; the DOS and Disk registers
    // wait for their page's refresh.
    NoteBookClick();
}

void TOs2Form::NoteBookClick()
{
    // A refresh shows the document in the page and writes nothing.
    const WriteGate::Showing showing(m_gate);
    m_status->enableRemButton(true);
    m_status->clearEditLine();
    m_status->showMessage(QString());
    m_status->showHint(QString());
    m_pages[static_cast<std::size_t>(currentPage())]->show(m_document);
}

void TOs2Form::FilePage::show(const Document &doc)
{
    const int i = m_status.selectedLine();
    if (doc.isLine(i))
        m_status.showLineInEditLine(static_cast<LinePos>(i));
    m_status.showHint(QCoreApplication::translate("TOs2Form", "Rediger %1").arg(m_configFileName));
}
