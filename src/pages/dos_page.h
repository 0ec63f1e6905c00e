// The "DOS" page: the DOS driver statements, SHELL and the AUTOEXEC.BAT editor.
#pragma once

#include "engine/search.h"
#include "pages/page.h"
#include "workspace/side_file_editor.h"

#include <QWidget>

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

// Where the SHELL statement stood at the last page refresh that found one; 0
// until then.
struct DosRegisters
{
    LinePos ShellLine = 0;
};

class DosPage : public QWidget, public Page
{
    Q_OBJECT

public:
    DosPage(GatedDocument &doc, StatusArea &status, FileGate &files, ErrorReporter &errors,
            const QuestionAsker &questions, QWidget *parent = nullptr);
    ~DosPage() override;

    const DosRegisters &registers() const { return m_regs; }

    Text8Memo *autoexecMemo() const;
    // The AUTOEXEC.BAT editor, for what closing the window would lose.
    SideFileEditor &sideFile() { return *m_file; }

    // The scan's step for this page, and the page's refresh.
    void checkAutoexecExists();
    void refresh() override;
    void forget() override;

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
    // name, else an appended "REM DEVICE=C:\OS2\MDOS\" line (only a user's
    // action appends it). True when an active line exists.
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
};
