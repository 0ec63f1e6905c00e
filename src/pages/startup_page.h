// The "Oppstart" page: RESTARTOBJECTS, PROTECTONLY and the STARTUP.CMD editor.
#pragma once

#include "side_file.h"

#include <QWidget>

#include <memory>
#include <string>

namespace Ui {
class StartupPage;
}
class QButtonGroup;
class Text8Memo;
class Workspace;

class StartupPage : public QWidget
{
    Q_OBJECT

public:
    StartupPage(Workspace &ws, QWidget *parent = nullptr);
    ~StartupPage() override;

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
    std::unique_ptr<Ui::StartupPage> ui;
    QButtonGroup *m_restart;
    SideFilePanel m_file;
};
