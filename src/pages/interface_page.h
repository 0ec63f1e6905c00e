// The "Grensesnitt" page: SET AUTOSTART and SET RUNWORKPLACE.
#pragma once

#include "pages/page.h"

#include <QWidget>

#include <array>
#include <memory>
#include <string>

namespace Ui {
class InterfacePage;
}
class QCheckBox;
class Workspace;

class InterfacePage : public QWidget, public Page
{
    Q_OBJECT

public:
    explicit InterfacePage(Workspace &ws, QWidget *parent = nullptr);
    ~InterfacePage() override;

    // The scan's steps for this page, and the page's refresh.
    void setAutostart(const std::string &value);
    void setRunWorkplace(const std::string &value);
    void refresh() override;

    void programsClick();
    void runworkplaceClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The boxes in the order their keywords are written.
    std::array<QCheckBox *, 5> autostartBoxes() const;

    Workspace &m_ws;
    const std::unique_ptr<Ui::InterfacePage> ui;
};
