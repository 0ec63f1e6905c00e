// The "DOS" page: the DOS driver statements, SHELL and the AUTOEXEC.BAT editor.
#pragma once

#include "engine/search.h"
#include "pages/page.h"
#include "workspace/side_file_editor.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string_view>

namespace Ui {
class DosPage;
}
class ErrorReporter;
class FileGate;
class GatedDocument;
class QCheckBox;
class QuestionAsker;
class StatusArea;
class Text8Memo;
class UserEvents;

// Where the SHELL statement stood at the last page refresh that found one; 0
// until then.
struct DosRegisters
{
    LinePos ShellLine = 0;
};

// Reads: SHELL (at each refresh), the DEVICE= lines of the eight DOS drivers,
// and the file C:\AUTOEXEC.BAT.
// Writes: "REM DEVICE=C:\OS2\MDOS\" and a driver's name, appended when a
// click on its box finds no line for it; the files C:\AUTOEXEC.BAT and
// C:\AUTOEXEC.BAK ("Ny", "Lagre", "Slett"). "REM av/på" switches the lines
// the boxes lead to.
class DosPage : public QWidget, public Page
{
    Q_OBJECT

public:
    DosPage(GatedDocument &doc, StatusArea &status, UserEvents &events, FileGate &files, ErrorReporter &errors,
            const QuestionAsker &questions, QWidget *parent = nullptr);
    ~DosPage() override;

    const DosRegisters &registers() const { return m_regs; }

    Text8Memo *autoexecMemo() const;
    // The AUTOEXEC.BAT editor, for what closing the window would lose.
    SideFileEditor &sideFile() { return *m_file; }

    // The scan: AUTOEXEC.BAT is read into the memo only when its box no
    // longer says whether the file exists.
    void showFound(const Document &doc, const FoundStatements &found) override;
    // The page refresh: SHELL in its field and its line current, the boxes
    // as the document says.
    void show(const Document &doc) override;
    // The SHELL line, and a line that a driver's box led to.
    bool leadsTo(LinePos pos) const override;
    void forget() override;
    void forgetFrom(LinePos first) override;

    // The user's handlers.

    void vemmsysClick();
    void vxmssysClick();
    void vdpmisysClick();
    void ansisysClick();
    void vmousesysClick();
    void vcdromsysClick();
    void vwinsysClick();
    void vw32ssysClick();
    void shellClick();
    void autoexecClick();
    // The driver statement of `name` (capitals), as a box's handler leads to
    // it: shows the active DEVICE= line, else a line holding "REM " and the
    // name, else an appended "REM DEVICE=C:\OS2\MDOS\" line. True when an
    // active line exists.
    bool SetDevice(std::string_view name);
    void NyAutoexecKnappClick();
    void LagreAutoexecKnappClick();
    void SlettAutoexecKnappClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The common body of the eight driver boxes.
    void driverClick(QCheckBox *box, std::string_view name);

    GatedDocument &m_doc;
    StatusArea &m_status;
    const std::unique_ptr<Ui::DosPage> m_ui;
    std::unique_ptr<SideFileEditor> m_file;
    DosRegisters m_regs;
    // "Kommandotolk"'s handler, run as the user's action from the event filter.
    std::function<void()> m_shellClick;
    // The line a driver's box last led to.
    LinePos m_driverLine = NoLine;
};
