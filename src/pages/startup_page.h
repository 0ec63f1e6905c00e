// The "Oppstart" page: RESTARTOBJECTS, PROTECTONLY and the STARTUP.CMD editor.
#pragma once

#include "pages/page.h"
#include "workspace/side_file_editor.h"

#include <QWidget>

#include <memory>
#include <string>

namespace Ui {
class StartupPage;
}
class QButtonGroup;
class Text8Memo;
class Workspace;

class StartupPage : public QWidget, public Page
{
    Q_OBJECT

public:
    explicit StartupPage(Workspace &ws, QWidget *parent = nullptr);
    ~StartupPage() override;

    // The page refresh selects the item the RESTARTOBJECTS line names, then
    // runs the radio group's handler.
    void refresh() override;

    // The STARTUP.CMD editor, for what closing the window would lose.
    SideFileEditor &sideFile() { return *m_file; }

    // The scan's steps for this page.
    void checkStartupCmdExists();
    void selectRestartItem(const std::string &value);

    void restartgroupClick();
    void LeggTilRestartKnappClick();
    void protectonlyClick();
    void startupcmdClick();
    void NyStartupKnappClick();
    void LagreStartupKnappClick();
    void SlettStartupKnappClick();
    void StartupMemoChange();

private:
    Workspace &m_ws;
    const std::unique_ptr<Ui::StartupPage> ui;
    QButtonGroup *const m_restart;
    std::unique_ptr<SideFileEditor> m_file;
};
