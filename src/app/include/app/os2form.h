// The main window: the notebook of pages, the status area and the button panel.
#pragma once

#include "pages/disk_page.h"
#include "pages/dos_page.h"
#include "pages/interface_page.h"
#include "pages/page.h"
#include "pages/performance_page.h"
#include "pages/startup_page.h"
#include "platform/dos_path.h"
#include "workspace/document.h"
#include "workspace/edit_history.h"
#include "workspace/error_report.h"
#include "workspace/file_gate.h"
#include "workspace/question.h"
#include "workspace/user_events.h"
#include "workspace/write_gate.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

namespace Ui {
class TOs2Form;
}
class AboutBox;
class BootCheckDialog;
class DriveChoice;
class ChangesDialog;
class DriversPage;
class FindBar;
class GatedDocument;
class NetworkPage;
class QShortcut;
class StatusArea;
class StepDialog;

// Every page's registers together, as the window tells them: where each
// statement stood at the scan, or at its page's last refresh.
struct Registers : StartupRegisters, DosRegisters, PerformanceRegisters, InterfaceRegisters, DiskRegisters
{
};

// Who owns what:
// - the document: m_document, read by all, written only through GatedDocument;
// - the status area (Edit1, the labels, the REM button, the list's selection):
//   StatusArea;
// - the drives, the file read and every file written: FileGate;
// - telling of a failed file operation: ErrorReporter; asking: QuestionAsker;
// - the registers of a page's statements and its step of the scan: the page;
// - the order of the scan and the page refresh: this window;
// - running a user's handler, the only time the document may be written:
//   UserEvents, this window's event dispatch.
class TOs2Form : public QWidget, public PageRefresh
{
    Q_OBJECT

public:
    // `arguments` are the command-line arguments after the program name.
    // `errorSink` receives the messages of failed file operations; by default
    // they are shown in a message box.
    TOs2Form(const QStringList &arguments, DriveMap drives, ErrorReporter::Sink errorSink = {},
             QWidget *parent = nullptr);
    ~TOs2Form() override;

    const Document &document() const { return m_document; }
    Registers registers() const;
    const QString &ConfigFileName() const { return m_files.ConfigFileName(); }
    // The status area, which tests set up a state in; the files, to look at.
    StatusArea &status() { return *m_status; }
    const FileGate &files() const { return m_files; }
    // How many of the user's handlers have run, and how many of them while
    // the window showed the document: none ever should.
    UserEvents::Runs handlerRuns() const { return m_events.runs(); }
    // Who answers the window's questions; a message box unless set.
    void setAsker(Asker asker) { m_questions.setAsker(std::move(asker)); }
    // The page shown.
    PageId currentPage() const;
    void showPage(PageId page);

    void FormCreate();
    void FormActivate();
    void NoteBookClick() override;
    void OpenKnappClick();
    void SaveKnappClick();
    void ListBoxClick();
    void Edit1Change();
    void RemKnappClick();
    void SjekkKnappClick();
    // "Om os2setup", on F1 from anywhere in the window: modal to the window,
    // but returns at once (no nested event loop).
    void showAbout();

    // Checks every file and folder the document names and shows the findings
    // in a small window (Ctrl+Shift+K); choosing one makes its line current.
    void showBootCheck();
    // The drive the checks take OS/2 to boot from (--boot-drive); by default
    // the drive of the file read, see bootcheck::bootDriveOf().
    void setBootDrive(QChar letter) { m_bootDrive = letter; }

    // Where "Velg OS/2-stasjonen…" finds drives and keeps the choice; without
    // one, the user's own settings, UDisks2 and mounts. Not owned.
    void setDriveChoice(DriveChoice *choice) { m_driveChoice = choice; }
    // "Velg OS/2-stasjonen…": the drive chooser, modal to the window but
    // returning at once; on "OK" drive C: is the folder chosen and the file is
    // read again ("Hent").
    void chooseDrive();

    // Ctrl+Z: the last step of the user's changes to the document undone;
    // Ctrl+Shift+Z or Ctrl+Y: the last step undone made again. Each is the
    // user's action; nothing is written to a file.
    void undoEdit();
    void redoEdit();
    bool canUndo() const;
    bool canRedo() const;

    // "Endringer" (Ctrl+D): every line changed or added since the load, in
    // one window beside this one that follows the document.
    void showChanges();

    // Ctrl+F: the find bar over the list of "Fil", that page shown and the
    // text field in focus; Ctrl+G the same with the line number field in
    // focus. F3 and Shift+F3: the next or the one before of the lines that
    // hold the text, made current as a click on the line would. Escape
    // closes the bar; the selected line stays. None of it writes.
    void showFind();
    void showGoToLine();
    void findNext();
    void findPrevious();
    void closeFind();

    // "Ta i bruk CONFIG.NEW" (Ctrl+Shift+T) and "Gjenopprett CONFIG.SYS": what
    // would change and the check, in a dialog; then the step on the user's
    // word, and the new CONFIG.SYS read again when it is the window's file.
    void showInstall();
    void showRestore();
    // "Prøv ved neste oppstart…": the dialog of "Ta i bruk", its button
    // "Prøv ved neste oppstart" in focus.
    void showTry();
    // Where the copies of the replaced CONFIG.SYS go besides CONFIG.nnn: the
    // user's data folder unless set (tests give a temporary one).
    void setDataFolder(const QString &folder) { m_dataFolder = folder; }
    // Where "Lagre" writes the document.
    static QString saveTarget() { return QStringLiteral("C:\\CONFIG.NEW"); }
    // The files whose changes are not saved: CONFIG.NEW while the document
    // differs from what was read or last saved, a side file while its memo
    // differs from the file as last loaded or saved.
    QStringList unsavedFiles() const;
    // The side files among them.
    QStringList unsavedSideFiles() const;

protected:
    void showEvent(QShowEvent *event) override;
    // With unsaved changes, asks whether to save them, discard them or stay.
    void closeEvent(QCloseEvent *event) override;

private:
    // The "Fil" page's part of the page refresh.
    class FilePage : public Page
    {
    public:
        FilePage(StatusArea &status, const QString &configFileName) : m_status(status), m_configFileName(configFileName)
        {
        }
        void show(const Document &doc) override;

    private:
        StatusArea &m_status;
        const QString m_configFileName;
    };

    void applyLook();
    void lightLookForStyledWidgets();
    // Keys that work from anywhere, the Tab order, the names of the window
    // and of "Hent", and the light look of every dialog.
    void setUpKeysAndNames();
    void createPages();
    // The "Ytelse" controls follow every change of the document while they
    // are shown, whatever made it.
    void followDocument();
    // After a failed load: every register at NoLine and the lists empty.
    void forgetStatements();
    QChar bootDrive() const;

    // What the user changed, told as it happens (os2form_changes.cpp).
    void watchChanges();
    // Every action's writes a step of the history; the keys of undo and redo.
    void watchUndo();
    // After an undo or redo: the page refresh, the step's line current, and
    // `what` on the hint line, its %1 the step; `nothing` when there was no step.
    void showUndone(const std::optional<EditHistory::Done> &done, const QString &what, const QString &nothing);
    // Ctrl+Shift+T, and the data folder of the copies.
    void watchInstall();
    void showModifiedMark();
    void tellSaved();
    // After "Hent": the document's changes and the side files whose unsaved
    // memo edits the reload of their file replaced.
    void tellDiscarded(int changed, int added, const QStringList &sideFiles = {});
    // "Angre endringen": line `line` back as it was read, as the user's edit.
    void revertLine(LinePos line);
    // Makes `line` current as a click on it on "Fil" does: a row chosen in
    // "Endringer", in the check's findings or by the find bar.
    void goToLine(LinePos line);
    // The find bar and its keys (os2form_find.cpp).
    void createFindBar();
    // Shows the bar on "Fil", turning to that page; false when it was open already.
    bool openFindBar();
    // Before "Ta i bruk" or "Gjenopprett": tells the window's own way to a
    // drive when C: has none, and returns true then.
    bool tellNoDrive();
    // Whether the step replaces the window's own file, which is then read again.
    bool stepReplacesShownFile() const;
    // Before a step (`step`: "tar i bruk C:\CONFIG.NEW") that will read the
    // window's file again: with changes not saved, asks as closing does
    // whether to save them first, discard them or stay. True to go on.
    bool keepEditsBefore(const QString &step);
    // Saves the document and each memo with unsaved edits; true when all of
    // them were written (each failure reports itself).
    bool saveAll();
    // "Ta i bruk" (or, `forTry`, "Prøv ved neste oppstart") after the checks
    // and questions of showInstall().
    void openInstall(bool forTry);
    // Opens "Ta i bruk" or "Gjenopprett"; the window follows the step's result.
    void openStep(StepDialog *dialog);
    // After "Ta i bruk" or "Gjenopprett": reads the new CONFIG.SYS when it is
    // the file shown, and tells what became of the old one.
    void afterPutInPlace(const QString &message);

    // Runs `handler` of a control, a key or a dialog's request that may
    // reach the file system: a file error skips the rest and is reported.
    template <typename F>
    auto guarded(F handler)
    {
        return [this, handler] { m_errors->guarded(handler); };
    }

    const std::unique_ptr<Ui::TOs2Form> m_ui;
    Document m_document;
    ErrorReporter *const m_errors;
    QuestionAsker m_questions;
    FileGate m_files;
    WriteGate m_gate;
    UserEvents m_events{m_gate};
    std::unique_ptr<StatusArea> m_status;
    std::unique_ptr<GatedDocument> m_edits;
    std::unique_ptr<FilePage> m_filePage;
    bool m_shown = false;
    QPointer<AboutBox> m_about;
    QPointer<BootCheckDialog> m_bootCheck;
    QString m_dataFolder;
    QChar m_bootDrive;
    DriveChoice *m_driveChoice = nullptr;
    std::unique_ptr<DriveChoice> m_ownDriveChoice;
    QPointer<ChangesDialog> m_changes;
    FindBar *m_find = nullptr;
    QShortcut *m_closeFind = nullptr;
    QRect m_listPlace;

    // Every page by its place in the notebook; the concrete ones for the scan.
    std::array<Page *, PageCount> m_pages{};
    StartupPage *m_startup = nullptr;
    DosPage *m_dos = nullptr;
    PerformancePage *m_performance = nullptr;
    DriversPage *m_drivers = nullptr;
    InterfacePage *m_interface = nullptr;
    DiskPage *m_disk = nullptr;
    NetworkPage *m_network = nullptr;
};
