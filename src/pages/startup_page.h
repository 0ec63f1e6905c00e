// The "Oppstart" page: RESTARTOBJECTS, PROTECTONLY and the STARTUP.CMD editor.
#pragma once

#include "engine/search.h"
#include "pages/page.h"
#include "workspace/side_file_editor.h"

#include <QWidget>

#include <memory>

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

// Where the page's statements stood at the last scan; 0 until the first.
struct StartupRegisters
{
    LinePos RestartObjectsLine = 0;
    LinePos ProtectOnlyLine = 0;
};

class StartupPage : public QWidget, public Page
{
    Q_OBJECT

public:
    StartupPage(GatedDocument &doc, StatusArea &status, FileGate &files, ErrorReporter &errors,
                const QuestionAsker &questions, QWidget *parent = nullptr);
    ~StartupPage() override;

    const StartupRegisters &registers() const { return m_regs; }

    // The page refresh selects the item the RESTARTOBJECTS line names, then
    // runs the radio group's handler.
    void refresh() override;
    void forget() override;

    // The STARTUP.CMD editor, for what closing the window would lose.
    SideFileEditor &sideFile() { return *m_file; }

    // The scan's steps for this page: whether STARTUP.CMD exists; the
    // RESTARTOBJECTS line and the item its value stands for; the PROTECTONLY
    // line only (the box is the user's). startupcmdClick() and
    // restartgroupClick() are steps too.
    void checkStartupCmdExists();
    void scanRestartObjects(const IniValue &restart);
    void scanProtectOnly(const IniValue &protectOnly);

    void restartgroupClick();
    void LeggTilRestartKnappClick();
    void protectonlyClick();
    void startupcmdClick();
    void NyStartupKnappClick();
    void LagreStartupKnappClick();
    void SlettStartupKnappClick();
    void StartupMemoChange();

private:
    GatedDocument &m_doc;
    StatusArea &m_status;
    const std::unique_ptr<Ui::StartupPage> m_ui;
    QButtonGroup *const m_restart;
    std::unique_ptr<SideFileEditor> m_file;
    StartupRegisters m_regs;
};
