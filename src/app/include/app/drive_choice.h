// Where drive C: comes from when it is chosen: the host's mounts, UDisks2 and
// the settings file that keeps the choice; and the choice at start.
#pragma once

#include "platform/dos_path.h"
#include "platform/mounts.h"
#include "platform/udisks.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class DriveChooser;
class QSettings;
class QWidget;

class DriveChoice
{
public:
    using MountTable = std::function<QList<MountEntry>()>;

    // `settings` keeps the choice; `udisks` finds and mounts partitions; `mounts`
    // reads the host's mount table.
    DriveChoice(std::unique_ptr<QSettings> settings, UDisks udisks, MountTable mounts);
    ~DriveChoice();
    // The user's own: ~/.config/os2setup/os2setup.conf, UDisks2 on the system
    // bus, /proc/self/mounts.
    static std::unique_ptr<DriveChoice> forThisUser();

    QSettings &settings() { return *m_settings; }

    // Before the file is read at start: a remembered partition that is not
    // mounted is mounted, and C: follows it to where it is mounted. Then tells
    // whether the chooser must ask, and why (an empty text: no reason to give).
    std::optional<QString> prepareAtStart(DriveMap &drives, const QString &configFile, bool forced);

    // A chooser over the mounts and partitions, with C:'s folder in `drives` first.
    std::unique_ptr<DriveChooser> chooser(const DriveMap &drives, const QString &reason, QWidget *parent);
    // The chooser's answer: C: is its folder, remembered with its partition.
    void take(const DriveChooser &chooser, DriveMap &drives);

private:
    const std::unique_ptr<QSettings> m_settings;
    UDisks m_udisks;
    MountTable m_mounts;
};

// Whether the chooser asks for drive C: before `configFile` is read, and why:
// when that file lies on C: and C: has no folder, or a remembered folder that
// is gone, empty or without the file; and always when `forced` (--choose-drive).
// Nothing when it does not ask.
std::optional<QString> driveChooserReason(const DriveMap &drives, const QString &configFile, bool forced);

// At start, before the file is read, on a real display only: mounts a
// remembered partition and asks for drive C: when prepareAtStart() says so.
// A folder chosen becomes drive C: and is remembered; on cancel `drives` stay.
void chooseDriveAtStart(DriveMap &drives, const QString &configFile, bool forced, DriveChoice &choice);

// The one message of a window whose file lies on C: while C: has no folder:
// what is wrong and how to choose the folder from the window. Nothing when
// the file is not on C: or C: has a folder.
std::optional<QString> noDriveMessage(const DriveMap &drives, const QString &configFile);
