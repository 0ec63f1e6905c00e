// The main window's undo and redo of the user's changes to the document:
// Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y, and what the window shows after each.
#include "app/os2form.h"

#include "ui_os2form.h"

#include "app/undo_keys.h"
#include "pages/drivers_page.h"
#include "pages/network_page.h"
#include "workspace/gated_document.h"
#include "workspace/status_area.h"

#include <QCoreApplication>

void TOs2Form::watchUndo()
{
    // Whatever one action of the user's wrote is one step of the history.
    m_events.onActionEnd([this] { m_edits->endAction(); });
    // Lines an undo took away are gone for good once a new line takes their
    // place: no page may write there, believing its statement is there.
    connect(&m_edits->history(), &EditHistory::linesGone, this, [this](LinePos first) {
        for (Page *page : m_pages)
            page->forgetFrom(first);
    });
    undokeys::install(this, m_ui->Edit1,
                      {[this] { undoEdit(); }, [this] { redoEdit(); }, [this] { return canUndo(); },
                       [this] { return canRedo(); }});
}

bool TOs2Form::canUndo() const
{
    return m_edits->history().canUndo();
}

bool TOs2Form::canRedo() const
{
    return m_edits->history().canRedo();
}

void TOs2Form::undoEdit()
{
    m_events.run([this] {
        showUndone(m_edits->undo(), QCoreApplication::translate("TOs2Form", "Angret: %1"),
                   QCoreApplication::translate("TOs2Form", "Ingenting å angre"));
    });
}

void TOs2Form::redoEdit()
{
    m_events.run([this] {
        showUndone(m_edits->redo(), QCoreApplication::translate("TOs2Form", "Gjort om: %1"),
                   QCoreApplication::translate("TOs2Form", "Ingenting å gjøre om"));
    });
}

void TOs2Form::showUndone(const std::optional<EditHistory::Done> &done, const QString &what, const QString &nothing)
{
    if (!done) {
        m_status->showHint(nothing);
        return;
    }
    // The page shows the document as it reads now, as after "REM av/på"; the
    // line the step changed is then the current one, whatever page is shown.
    NoteBookClick();
    m_status->makeCurrent(done->line);
    m_status->showHint(what.arg(done->text));
}
