// "Ta i bruk CONFIG.NEW" and "Gjenopprett CONFIG.SYS" in the window: what
// would change, whether OS/2 would start, and the step on the user's word.
#pragma once

#include "app/install_step.h"
#include "app/proposal_view.h"

#include <QDialog>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class ChangeDetail;
class QCheckBox;
class WriteGuard;
class QLabel;
class QListWidget;
class QPushButton;

// The common frame of the two dialogs: the step's button, a line that tells
// the result or the error, and "Lukk".
class StepDialog : public QDialog
{
    Q_OBJECT

signals:
    // The step was done: `message` tells what was made of the old CONFIG.SYS.
    void putInPlace(const QString &message);
    // A try was added to OS/2's boot menu, or taken out of it; CONFIG.SYS is
    // as it was.
    void menuChanged(const QString &message);

protected:
    // Every write goes through `guard`, which must outlive the dialog.
    StepDialog(const WriteGuard &guard, QString dataFolder, const QString &buttonText, const QString &buttonName,
               QWidget *parent);
    // Puts `proposal` in place; tells the result in the dialog. True when
    // it was done.
    bool go(const installstep::Proposal &proposal);
    // Runs `step`, whose FileError tells the whole of a failure, and tells
    // its result; then emits putInPlace (`replaced`: the step put a file in
    // place as CONFIG.SYS) or menuChanged. True when it was done.
    bool run(const std::function<QString()> &step, bool replaced);
    void tell(const QString &text, bool error);
    // The dialog's parts from the top, each with its stretch, then the line
    // of the result, the step's button, the `more` buttons and "Lukk".
    void layOut(std::initializer_list<std::pair<QWidget *, int>> parts,
                std::initializer_list<QPushButton *> more = {});
    // A button of the dialog that Enter never presses.
    QPushButton *button(const QString &text, const QString &name, const QString &accessibleName,
                        const QString &toolTip);

    const WriteGuard &m_guard;
    const DriveMap &m_drives;
    const QString m_dataFolder;
    QPushButton *const m_go;
    QLabel *const m_result;
};

// "Ta i bruk CONFIG.NEW" (objectName TaIBruk), with "Prøv ved neste
// oppstart" (ProvKnapp), which adds it as a try to OS/2's boot menu instead.
class InstallDialog : public StepDialog
{
    Q_OBJECT

public:
    InstallDialog(const WriteGuard &guard, installstep::Proposal proposal, const QString &dataFolder, QWidget *parent);

    // The try's button has the focus, for "Prøv ved neste oppstart…".
    void focusTry();

private:
    const installstep::Proposal m_proposal;
    ProposalView *const m_view;
    QPushButton *const m_try;
    bool m_placed = false;
    bool m_tried = false;
};

// "Gjenopprett CONFIG.SYS" (objectName Gjenopprett): the copies that can be
// read, newest first, then those that cannot, with why; below them the tries
// in OS/2's boot menu, which can be taken into use or taken away. The one
// chosen shows what it would change.
class RestoreDialog : public StepDialog
{
    Q_OBJECT

public:
    RestoreDialog(const WriteGuard &guard, const QString &dataFolder, QWidget *parent);

private:
    void choose(int row);
    // The tries (restore_tries.cpp).
    QWidget *makeTries();
    void loadTries();
    void chooseTry(int row);
    void takeTry();
    void removeTry();
    void enableSteps();

    std::vector<configcopies::Copy> m_copies;
    std::optional<installstep::Proposal> m_proposal;
    char m_tryKey = 0; // the key of the try m_proposal is, or whose row is chosen
    QListWidget *const m_list;
    ProposalView *const m_view;
    QLabel *m_triesLabel = nullptr;
    QListWidget *m_tries = nullptr;
    QPushButton *m_takeTry = nullptr;
    QPushButton *m_removeTry = nullptr;
    std::vector<int> m_tryKeys; // the key of each row of m_tries
    std::vector<bool> m_tryHasFile;
};
