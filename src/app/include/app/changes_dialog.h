// "Endringer": every line that differs from the file as read, in a small
// window beside the main one that follows the document while it is open.
#pragma once

#include "engine/search.h"

#include <QDialog>

class ChangeDetail;
class ChangesModel;
class Document;
class QLabel;
class QListView;
class QPushButton;

class ChangesDialog : public QDialog
{
    Q_OBJECT

public:
    ChangesDialog(const Document &document, QWidget *parent);

signals:
    // The user chose the row of document line `line` (Enter, double click).
    void lineChosen(LinePos line);
    // The user asked to put line `line` back as it was read.
    void revertRequested(LinePos line);

private:
    void showCount();
    // "Angre endringen" is for a changed line; an added one stays.
    void enableRevert();
    // The whole of the current row's line, before and now.
    void showDetail();

    const Document &m_doc;
    ChangesModel *const m_model;
    QListView *const m_list;
    QLabel *const m_count;
    QPushButton *const m_revert;
    ChangeDetail *const m_detail;
};
