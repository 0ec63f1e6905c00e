// "Ta i bruk CONFIG.NEW" and "Gjenopprett CONFIG.SYS" in the window: what
// would change, whether OS/2 would start, and the step on the user's word.
#pragma once

#include "app/install_step.h"

#include <QDialog>

#include <initializer_list>
#include <utility>
#include <vector>

class ChangeDetail;
class QCheckBox;
class WriteGuard;
class QLabel;
class QListWidget;
class QPushButton;

// What putting a file in place would change and what the check says of it,
// with the box that lets the user go past findings that stop the boot.
class ProposalView : public QWidget
{
    Q_OBJECT

public:
    // `names`: the objectNames of the differences list, the findings list
    // and the box; `what` the word of the step, for the box ("Ta i bruk").
    ProposalView(const QString &changesName, const QString &findingsName, const QString &forceName,
                 const QString &what, QWidget *parent);

    void present(const installstep::Proposal &proposal);
    void clear();
    // True when nothing stops the step, or the user ticked the box.
    bool mayGoOn() const;

signals:
    void mayGoOnChanged();

private:
    QLabel *const m_count;
    QListWidget *const m_changes;
    ChangeDetail *const m_detail;
    std::vector<linediff::Row> m_rows;
    QLabel *const m_checked;
    QListWidget *const m_findings;
    QCheckBox *const m_force;
    bool m_needsForce = false;
};

// The common frame of the two dialogs: the step's button, a line that tells
// the result or the error, and "Lukk".
class StepDialog : public QDialog
{
    Q_OBJECT

signals:
    // The step was done: `message` tells what was made of the old CONFIG.SYS.
    void putInPlace(const QString &message);

protected:
    // Every write goes through `guard`, which must outlive the dialog.
    StepDialog(const WriteGuard &guard, QString dataFolder, const QString &buttonText, const QString &buttonName,
               QWidget *parent);
    // Puts `proposal` in place; tells the result in the dialog.
    void go(const installstep::Proposal &proposal);
    void tell(const QString &text, bool error);
    // The dialog's parts from the top, each with its stretch, then the line
    // of the result, the step's button and "Lukk".
    void layOut(std::initializer_list<std::pair<QWidget *, int>> parts);

    const WriteGuard &m_guard;
    const DriveMap &m_drives;
    const QString m_dataFolder;
    QPushButton *const m_go;
    QLabel *const m_result;
};

// "Ta i bruk CONFIG.NEW" (objectName TaIBruk).
class InstallDialog : public StepDialog
{
    Q_OBJECT

public:
    InstallDialog(const WriteGuard &guard, installstep::Proposal proposal, const QString &dataFolder, QWidget *parent);

private:
    const installstep::Proposal m_proposal;
    ProposalView *const m_view;
};

// "Gjenopprett CONFIG.SYS" (objectName Gjenopprett): the copies that can be
// read, newest first, then those that cannot, with why; the one chosen shows
// what it would change.
class RestoreDialog : public StepDialog
{
    Q_OBJECT

public:
    RestoreDialog(const WriteGuard &guard, const QString &dataFolder, QWidget *parent);

private:
    void choose(int row);

    std::vector<configcopies::Copy> m_copies;
    std::optional<installstep::Proposal> m_proposal;
    QListWidget *const m_list;
    ProposalView *const m_view;
};
