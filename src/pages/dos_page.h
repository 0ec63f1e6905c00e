// The "DOS" page: the DOS driver statements, SHELL and the AUTOEXEC.BAT editor.
#pragma once

#include "pages/page.h"
#include "workspace/side_file_editor.h"

#include <QWidget>

#include <memory>
#include <string_view>

namespace Ui {
class DosPage;
}
class QCheckBox;
class Text8Memo;
class Workspace;

class DosPage : public QWidget, public Page
{
    Q_OBJECT

public:
    explicit DosPage(Workspace &ws, QWidget *parent = nullptr);
    ~DosPage() override;

    Text8Memo *autoexecMemo() const;
    // The AUTOEXEC.BAT editor, for what closing the window would lose.
    SideFileEditor &sideFile() { return *m_file; }

    // The scan's step for this page, and the page's refresh.
    void checkAutoexecExists();
    void refresh() override;

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
    void NyAutoexecKnappClick();
    void LagreAutoexecKnappClick();
    void SlettAutoexecKnappClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The common body of the eight driver boxes.
    void driverClick(QCheckBox *box, std::string_view name);

    Workspace &m_ws;
    const std::unique_ptr<Ui::DosPage> ui;
    std::unique_ptr<SideFileEditor> m_file;
};
