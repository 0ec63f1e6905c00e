// The "DOS" page: the DOS driver statements, SHELL and the AUTOEXEC.BAT editor.
#pragma once

#include "side_file.h"

#include <QWidget>

#include <memory>
#include <string_view>

namespace Ui {
class DosPage;
}
class QCheckBox;
class Text8Memo;
class Workspace;

class DosPage : public QWidget
{
    Q_OBJECT

public:
    DosPage(Workspace &ws, QWidget *parent = nullptr);
    ~DosPage() override;

    Text8Memo *autoexecMemo() const;

    // The scan's step for this page, and the page's refresh.
    void checkAutoexecExists();
    void refresh();

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
    std::unique_ptr<Ui::DosPage> ui;
    SideFilePanel m_file;
};
