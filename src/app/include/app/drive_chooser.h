// The drive chooser: asks which host folder is the OS/2 drive C:, and mounts
// an OS/2 partition that is not mounted yet.
#pragma once

#include "platform/mounts.h"
#include "platform/udisks.h"

#include <QDialog>

#include <functional>

class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class DriveChooser : public QDialog
{
    Q_OBJECT

public:
    // Asks for a folder; returns an empty text when the user cancels.
    using FolderPicker = std::function<QString(QWidget *parent, const QString &start)>;

    // Offers `current`, the folder drive C: has now, if any, first and
    // selected, then `candidates` (mounts that look like an OS/2 boot drive).
    explicit DriveChooser(const QList<MountEntry> &candidates, const QString &current = {},
                          QWidget *parent = nullptr);

    // Also offers the OS/2 partitions that `udisks` knows and are not mounted;
    // "OK" on one mounts it. Where UDisks2 cannot be asked, says why.
    void offerPartitions(UDisks *udisks);
    // Why the chooser asks (the remembered folder is empty, say), above the list.
    void setReason(const QString &reason);

    // What "Bla gjennom…" asks with; by default the standard folder dialog.
    void setFolderPicker(FolderPicker picker) { m_picker = std::move(picker); }
    // The folder selected; empty when none is (or the partition selected is not mounted).
    QString folder() const;
    // The file system UUID of the partition selected; empty for a folder UDisks2 does not know.
    QString partitionUuid() const;
    // "Bla gjennom…": a folder picked is added to the list and selected.
    void browse();

    // "OK": on a partition not mounted, mounts it first and closes once it is
    // mounted and holds CONFIG.SYS and OS2; a mount that fails is told in the note.
    void accept() override;

private:
    QTreeWidgetItem *addFolder(const QString &folder, const QString &device, const QString &type);
    // The row of `folder`, added when the list lacks it.
    QTreeWidgetItem *itemFor(const QString &folder);
    void showPartition(QTreeWidgetItem *item, const Partition &partition);
    const Partition *selectedPartition() const;
    void mounted(QTreeWidgetItem *item, const MountResult &result);
    void setBusy(bool busy);
    void selectionChanged();

    QLabel *const m_reason;
    QTreeWidget *const m_list;
    QPushButton *const m_browse;
    QLabel *const m_note;
    QDialogButtonBox *const m_buttons;
    FolderPicker m_picker;
    UDisks *m_udisks = nullptr;
    QList<Partition> m_partitions; // a row's partition is its index here
    QString m_problem;             // why partitions cannot be mounted
    QString m_mountError;          // the last mount that failed
};

// Whether a dialog can be shown on the platform `platformName`: not on the
// offscreen and minimal platforms, which have no screen for a user.
bool isRealDisplay(const QString &platformName);
