// The drive chooser: asks at start which host folder is the OS/2 drive C:.
#pragma once

#include "platform/dos_path.h"
#include "platform/mounts.h"

#include <QDialog>

#include <functional>

class QDialogButtonBox;
class QLabel;
class QPushButton;
class QSettings;
class QTreeWidget;
class QTreeWidgetItem;

class DriveChooser : public QDialog
{
    Q_OBJECT

public:
    // Asks for a folder; returns an empty text when the user cancels.
    using FolderPicker = std::function<QString(QWidget *parent, const QString &start)>;

    // Offers `candidates` (mounts that look like an OS/2 boot drive) and
    // `current`, the folder drive C: has now, if any, which is selected.
    explicit DriveChooser(const QList<MountEntry> &candidates, const QString &current = {},
                          QWidget *parent = nullptr);

    // What "Bla gjennom…" asks with; by default the standard folder dialog.
    void setFolderPicker(FolderPicker picker) { m_picker = std::move(picker); }
    // The folder selected; empty when none is.
    QString folder() const;
    // "Bla gjennom…": a folder picked is added to the list and selected.
    void browse();

private:
    QTreeWidgetItem *addFolder(const QString &folder, const QString &device, const QString &type);
    // The row of `folder`, added (with `device`) when the list lacks it.
    QTreeWidgetItem *itemFor(const QString &folder, const QString &device);
    void selectionChanged();

    QTreeWidget *const m_list;
    QLabel *const m_note;
    QDialogButtonBox *const m_buttons;
    FolderPicker m_picker;
};

// Whether a dialog can be shown on the platform `platformName`: not on the
// offscreen and minimal platforms, which have no screen for a user.
bool isRealDisplay(const QString &platformName);

// Whether the chooser asks for drive C: before `configFile` is read: when that
// file lies on C: and C: has no folder (or a remembered one that is gone), or
// when `forced` (--choose-drive).
bool wantsDriveChooser(const DriveMap &drives, const QString &configFile, bool forced);

// At start, before the file is read: on a real display, asks for drive C:
// when wantsDriveChooser() says so. A folder chosen becomes drive C: and is
// stored in `settings` for the next start; on cancel `drives` stay as they are.
void chooseDriveAtStart(DriveMap &drives, const QString &configFile, bool forced, QSettings &settings);
