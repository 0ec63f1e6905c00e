// The "Grensesnitt" page: SET AUTOSTART and SET RUNWORKPLACE.
#pragma once

#include <QWidget>

#include <array>
#include <memory>
#include <string>
#include <utility>

namespace Ui {
class InterfacePage;
}
class QCheckBox;
class Workspace;

class InterfacePage : public QWidget
{
    Q_OBJECT

public:
    InterfacePage(Workspace &ws, QWidget *parent = nullptr);
    ~InterfacePage() override;

    // The scan's steps for this page, and the page's refresh.
    void setAutostart(const std::string &value);
    void setRunWorkplace(const std::string &value);
    void refresh();

    void programsClick();
    void runworkplaceClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The boxes with their keywords, in the order the keywords are written.
    std::array<std::pair<QCheckBox *, const char *>, 5> autostartItems() const;
    // True for a keyword one of the boxes stands for, and for an empty one.
    bool isManaged(const std::string &keyword) const;

    Workspace &m_ws;
    std::unique_ptr<Ui::InterfacePage> ui;
};
