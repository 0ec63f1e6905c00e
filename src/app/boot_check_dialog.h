// The findings of the check of the whole file, in a small window beside the
// main one: choosing a finding makes its line current.
#pragma once

#include "engine/boot_check.h"

#include <QDialog>

class QListWidget;

class BootCheckDialog : public QDialog
{
    Q_OBJECT

public:
    BootCheckDialog(const bootcheck::Report &report, const Lines &lines, QWidget *parent);

signals:
    // The user chose the finding on document line `line`.
    void lineChosen(LinePos line);

private:
    QListWidget *const m_list;
};
