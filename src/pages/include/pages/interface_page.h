// The "Grensesnitt" page: SET AUTOSTART and SET RUNWORKPLACE.
#pragma once

#include "engine/search.h"
#include "pages/page.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace Ui {
class InterfacePage;
}
class GatedDocument;
class QCheckBox;
class StatusArea;
class UserEvents;

// Where the page's statements stood at the last scan; 0 until the first.
struct InterfaceRegisters
{
    LinePos AutostartLine = 0;
    LinePos RunWorkplaceLine = 0;
};

// Reads: SET AUTOSTART (its line and items) and SET RUNWORKPLACE (its line
// and value).
// Writes: "SET AUTOSTART=" with the ticked boxes' keywords and the list's
// other items over the SET AUTOSTART line, when the file has one.
class InterfacePage : public QWidget, public Page
{
    Q_OBJECT

public:
    InterfacePage(GatedDocument &doc, StatusArea &status, UserEvents &events, QWidget *parent = nullptr);
    ~InterfacePage() override;

    const InterfaceRegisters &registers() const { return m_regs; }

    std::vector<std::string_view> scanKeys() const override;
    // The scan: the boxes from the SET AUTOSTART value, the SET RUNWORKPLACE
    // value in its field, and both lines.
    void showFound(const Document &doc, const FoundStatements &found) override;
    // The page refresh: the SET AUTOSTART line made current.
    void show(const Document &doc) override;
    // The SET AUTOSTART and SET RUNWORKPLACE lines.
    bool leadsTo(LinePos pos) const override;
    void forget() override;
    void forgetFrom(LinePos first) override;

    // The user's handlers.
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
    // The field's handler, run as the user's action from the event filter.
    std::function<void()> m_runworkplaceClick;
};
