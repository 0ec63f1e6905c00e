// The main window: the notebook of pages, the status area and the button panel.
#pragma once

#include "document.h"
#include "dos_path.h"
#include "workspace.h"

#include <QStringList>
#include <QWidget>

#include <memory>

namespace Ui {
class TOs2Form;
}
class DiskPage;
class DosPage;
class DriversPage;
class InterfacePage;
class NetworkPage;
class StartupPage;

class TOs2Form : public QWidget
{
    Q_OBJECT

public:
    // `arguments` are the command-line arguments after the program name.
    TOs2Form(const QStringList &arguments, DriveMap drives, QWidget *parent = nullptr);
    ~TOs2Form() override;

    // The file to read: the single argument when there is exactly one.
    static QString configFileNameFrom(const QStringList &arguments);

    const Document &document() const { return m_document; }
    const Registers &registers() const { return m_ws->regs; }
    const QString &ConfigFileName() const { return m_ws->ConfigFileName; }
    // What the pages work with; tests reach the shared operations through it.
    Workspace &workspace() { return *m_ws; }

    void FormCreate();
    void FormActivate();
    void NoteBookClick();
    void OpenKnappClick();
    void SaveKnappClick();
    void ListBoxClick();
    void Edit1Change();
    void RemKnappClick();
    void SjekkKnappClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void applyLook();
    // After a failed load: every register at NoLine and the lists empty.
    void forgetStatements();
    void createPages();
    void refreshFilePage();

    std::unique_ptr<Ui::TOs2Form> ui;
    Document m_document;
    std::unique_ptr<Workspace> m_ws;
    bool m_shown = false;

    StartupPage *m_startup = nullptr;
    DosPage *m_dos = nullptr;
    DriversPage *m_drivers = nullptr;
    InterfacePage *m_interface = nullptr;
    DiskPage *m_disk = nullptr;
    NetworkPage *m_network = nullptr;
};
