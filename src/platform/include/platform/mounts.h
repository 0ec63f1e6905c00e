// Mounted file systems of the host, and which of them look like an OS/2 boot drive.
#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

struct MountEntry
{
    QString device;
    QString mountPoint;
    QString type;

    friend bool operator==(const MountEntry &, const MountEntry &) = default;
};

// The mounts listed in `text`, which has the form of /proc/mounts: one mount a
// line, fields separated by blanks, blanks, tabs, newlines and backslashes
// inside the device and mount point written as \040, \011, \012 and \134.
// Lines with fewer than four fields or a mount point that is not absolute are
// skipped.
QList<MountEntry> parseMounts(QByteArrayView text);

// The mounts listed in the mount table `file`; empty when it cannot be read.
QList<MountEntry> mountsFromFile(const QString &file);
// The mounts of this process (/proc/self/mounts); empty where there is no such file.
QList<MountEntry> systemMounts();

// Whether `folder` holds a file CONFIG.SYS and a folder OS2, letter case aside
// as on FAT, HPFS and JFS.
bool looksLikeOs2BootDrive(const QString &folder);

// The mounts whose root looks like an OS/2 boot drive, in mount order. Where a
// folder was mounted on more than once, only the last mount counts, as it hides
// the earlier ones.
QList<MountEntry> os2DriveCandidates(const QList<MountEntry> &mounts);
