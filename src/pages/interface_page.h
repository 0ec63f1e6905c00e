// The "Grensesnitt" page: SET AUTOSTART and SET RUNWORKPLACE.
#pragma once

#include "engine/search.h"
#include "pages/page.h"

#include <QWidget>

#include <array>
#include <memory>

namespace Ui {
class InterfacePage;
}
class GatedDocument;
class QCheckBox;
class StatusArea;

// Where the page's statements stood at the last scan; 0 until the first.
struct InterfaceRegisters
{
    LinePos AutostartLine = 0;
    LinePos RunWorkplaceLine = 0;
};

class InterfacePage : public QWidget, public Page
{
    Q_OBJECT

public:
    InterfacePage(GatedDocument &doc, StatusArea &status, QWidget *parent = nullptr);
    ~InterfacePage() override;

    const InterfaceRegisters &registers() const { return m_regs; }

    // The scan's steps for this page: SET AUTOSTART's line, then its boxes;
    // SET RUNWORKPLACE's value into the field, then its line. And the page's
    // refresh.
    void scanAutostart(const IniValue &autostart);
    void scanRunWorkplace(const IniValue &runWorkplace);
    void refresh() override;
    void forget() override;

    void programsClick();
    void runworkplaceClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The boxes in the order their keywords are written.
    std::array<QCheckBox *, 5> autostartBoxes() const;

    GatedDocument &m_doc;
    StatusArea &m_status;
    const std::unique_ptr<Ui::InterfacePage> m_ui;
    InterfaceRegisters m_regs;
};
