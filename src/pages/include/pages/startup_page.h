// The "Oppstart" page: RESTARTOBJECTS, PROTECTONLY and the STARTUP.CMD editor.
#pragma once

#include "engine/search.h"
#include "pages/page.h"
#include "workspace/side_file_editor.h"

#include <QWidget>

#include <memory>
#include <string_view>
#include <vector>

namespace Ui {
class StartupPage;
}
class ErrorReporter;
class FileGate;
class GatedDocument;
class QButtonGroup;
class QuestionAsker;
class StatusArea;
class Text8Memo;
class UserEvents;

// Where the page's statements stood at the last scan; 0 until the first.
struct StartupRegisters
{
    // The RESTARTOBJECTS line the group shows and writes over: the SET line
    // when the file has one, else the bare line earlier versions wrote.
    LinePos RestartObjectsLine = 0;
    LinePos ProtectOnlyLine = 0;
    // A bare RESTARTOBJECTS line beside a SET line, which OS/2 does not read;
    // NoLine without both.
    LinePos BareRestartObjectsLine = NoLine;
};

// Reads: SET RESTARTOBJECTS and the bare RESTARTOBJECTS (their lines and
// values), PROTECTONLY (its line only: the box is the user's), and the file
// C:\STARTUP.CMD.
// Writes: "SET RESTARTOBJECTS=" and an item's value over the RESTARTOBJECTS
// line (a bare one becomes a SET line), or appended as a new line ("Legg til
// config.sys"); PROTECTONLY=YES or NO over the PROTECTONLY line; the file
// C:\STARTUP.CMD ("Ny", "Lagre", "Slett").
class StartupPage : public QWidget, public Page
{
    Q_OBJECT

public:
    StartupPage(GatedDocument &doc, StatusArea &status, UserEvents &events, FileGate &files, ErrorReporter &errors,
                const QuestionAsker &questions, QWidget *parent = nullptr);
    ~StartupPage() override;

    const StartupRegisters &registers() const { return m_regs; }

    std::vector<std::string_view> scanKeys() const override;
    // The scan: STARTUP.CMD read again into the memo, the registers, the item
    // the RESTARTOBJECTS value stands for, and that line made current.
    void showFound(const Document &doc, const FoundStatements &found) override;
    // The page refresh: the item the RESTARTOBJECTS line names now (edited by
    // hand, or commented out), and that line made current.
    void show(const Document &doc) override;
    void forget() override;
    void forgetFrom(LinePos first) override;

    // The STARTUP.CMD editor, for what closing the window would lose.
    SideFileEditor &sideFile() { return *m_file; }

    // The user's handlers.
    void restartgroupClick();
    void LeggTilRestartKnappClick();
    void protectonlyClick();
    void startupcmdClick();
    void NyStartupKnappClick();
    void LagreStartupKnappClick();
    void SlettStartupKnappClick();
    void StartupMemoChange();

private:
    // Shows item `item` checked; the group's handler compares against it.
    void showItem(int item);
    // The RESTARTOBJECTS line as the group shows it: the REM button off, the
    // line current (or OS/2's default in parentheses when the file lacks it),
    // "Legg til config.sys" only then, and the hint.
    void showRestartLine();
    // The hint on the RESTARTOBJECTS line `line`: a value no item stands for,
    // a line OS/2 does not read, or one beside it that OS/2 does not read.
    QString restartHint(LinePos line) const;

    GatedDocument &m_doc;
    StatusArea &m_status;
    const std::unique_ptr<Ui::StartupPage> m_ui;
    QButtonGroup *const m_restart;
    std::unique_ptr<SideFileEditor> m_file;
    StartupRegisters m_regs;
    // The item checked as last shown or chosen; -1 for none.
    int m_item = -1;
};
