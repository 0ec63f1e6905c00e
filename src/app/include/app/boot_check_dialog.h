// The findings of the check of the whole file, in one small window beside the
// main one: choosing a finding makes its line current and keeps the window open.
#pragma once

#include "engine/boot_check.h"

#include <QDialog>

class QLabel;
class QListWidget;

class BootCheckDialog : public QDialog
{
    Q_OBJECT

public:
    explicit BootCheckDialog(QWidget *parent);

    // The findings of `report` on `lines`, the worst first, each kind with its
    // own icon and colour.
    void showReport(const bootcheck::Report &report, const Lines &lines);
    // `message` in place of findings: nothing was checked.
    void showNothingChecked(const QString &message);
    // The document changed after the check: the findings shown may no longer
    // hold, and the summary says so until the next check.
    void markOutdated();
    // Fills `list` with the findings of `report` on `lines`, the worst first,
    // each with the icon and colour of its kind and its line as Qt::UserRole.
    static void listFindings(QListWidget *list, const bootcheck::Report &report, const Lines &lines);

    // Moves the dialog beside `window` (global frame geometry) or, when the
    // screen has no room there, where it leaves `keepClear` (global) in view.
    void placeClearOf(const QRect &window, const QRect &keepClear);

signals:
    // The user chose the finding on document line `line`.
    void lineChosen(LinePos line);
    // "Ta i bruk CONFIG.NEW…": the user asked to put CONFIG.NEW in place.
    void installRequested();
    // "Sjekk igjen": the user asked for the check of the document as it is now.
    void checkRequested();

private:
    QLabel *const m_heading;
    QListWidget *const m_list;
    QLabel *const m_summary;
    QString m_summaryText;
    bool m_outdated = false;
};
