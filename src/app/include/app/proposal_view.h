// What putting a file in place as CONFIG.SYS would change, and what the
// check says of it: the view the dialogs "Ta i bruk" and "Gjenopprett" share.
#pragma once

#include "app/install_step.h"

#include <QWidget>

#include <vector>

class ChangeDetail;
class QCheckBox;
class QLabel;
class QListWidget;

// A label of plain text that wraps.
QLabel *wrappedLabel(const QString &text, QWidget *parent);

// What putting a file in place would change and what the check says of it,
// with the box that lets the user go past findings that stop the boot.
class ProposalView : public QWidget
{
    Q_OBJECT

public:
    // `names`: the objectNames of the differences list, the findings list
    // and the box; `forceText` the box's text ("Ta i bruk likevel").
    ProposalView(const QString &changesName, const QString &findingsName, const QString &forceName,
                 const QString &forceText, QWidget *parent);

    void present(const installstep::Proposal &proposal);
    void clear();
    // The box's text ("Ta i bruk likevel").
    void setForceText(const QString &text);
    // True when nothing stops the step, or the user ticked the box.
    bool mayGoOn() const;

signals:
    void mayGoOnChanged();

private:
    QLabel *const m_count;
    QListWidget *const m_changes;
    ChangeDetail *const m_detail;
    std::vector<linediff::Row> m_rows;
    std::vector<linediff::ListRow> m_lists; // the list statements among the rows, item by item
    QLabel *const m_checked;
    QListWidget *const m_findings;
    QCheckBox *const m_force;
    bool m_needsForce = false;
};
