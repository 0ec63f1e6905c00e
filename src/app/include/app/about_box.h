// "Om os2setup": the version and licence, where drive C: points, and the
// files that are read and written.
#pragma once

#include "platform/dos_path.h"

#include <QDialog>

class FileGate;
class QFormLayout;

class AboutBox : public QDialog
{
    Q_OBJECT

public:
    AboutBox(const FileGate &files, QWidget *parent);

    // How the folder of a drive was set, as the box tells it.
    static QString originText(DriveMap::Origin origin, QChar letter);
    // Whether "Angre" and "Gjør om" have a step to take.
    void setUndoState(bool canUndo, bool canRedo);

signals:
    // The user asked for the check of the whole file; the box has closed.
    void checkRequested();
    // "Velg OS/2-stasjonen…": the user asked to choose drive C:'s folder; the box has closed.
    void driveChoiceRequested();
    // The user asked for "Endringer"; the box has closed.
    void changesRequested();
    // "Angre" and "Gjør om": the last change of the document undone or made
    // again; the box has closed.
    void undoRequested();
    void redoRequested();
    // "Ta i bruk CONFIG.NEW…" and "Gjenopprett CONFIG.SYS…"; the box has closed.
    void installRequested();
    void restoreRequested();
    // "Prøv ved neste oppstart…"; the box has closed.
    void tryRequested();
    // "Finn i filen…" and "Gå til linje…"; the box has closed.
    void findRequested();
    void goToLineRequested();

private:
    // One fact: its caption and its value, which can be selected and copied.
    void addRow(const QString &caption, const QString &value);
    // A button that closes the box and asks the window for a step.
    void addStep(const QString &caption, const QString &text, const QString &name, const QString &description,
                 void (AboutBox::*request)());

    QFormLayout *const m_rows;
};
