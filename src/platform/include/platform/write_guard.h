// Where the program may write and delete: on a drive that is still the one the
// file was read from, and never on one of its own files under another's name.
#pragma once

#include "platform/dos_path.h"
#include "platform/file_stamp.h"

#include <QHash>
#include <QString>
#include <QStringList>

class WriteGuard
{
public:
    // The files the program writes, by their DOS paths.
    static const QStringList &writtenFiles();

    // `readFile` names the file the program reads, as a DOS path or a host
    // path. `drives` must outlive the guard.
    WriteGuard(const DriveMap &drives, QString readFile);

    const DriveMap &drives() const { return m_drives; }

    // Before the file is read: remembers every mapped drive's folder as it is
    // now (its device and inode), and forgets the file read earlier.
    void beginRead();
    // Once the file has been read: its stamp as read.
    void setRead(const FileStamp &stamp) { m_read = stamp; }
    bool hasRead() const { return m_read.valid; }
    // True when the file read is no longer as it was read: written to,
    // resized, replaced or gone since.
    bool readFileChanged() const;

    // Throw FileError unless `dosPath` may be written, or deleted:
    // - DriveChanged when its drive's folder is gone or is no longer the one
    //   remembered (unmounted, or another file system mounted there);
    // - what DriveMap::realPath throws (a name that leads out of the drive...);
    // - ProgramFile when it is, or leads to (symbolic or hard link), the file
    //   read or another of writtenFiles().
    void checkWrite(const QString &dosPath) const;
    void checkRemove(const QString &dosPath) const;
    // The same for the step that puts a file in place as CONFIG.SYS, which
    // replaces `dosPath` on purpose: it may be the file read, but it is
    // refused as checkWrite refuses it otherwise.
    void checkReplace(const QString &dosPath) const;
    // Throws FileError (DriveChanged) when the drive of `dosPath` is no longer
    // the one remembered, for reading there as part of a write.
    void checkRead(const QString &dosPath) const;

private:
    // `mayBeRead`: `dosPath` may be, or lead to, the file read.
    void check(const QString &what, const QString &dosPath, bool mayBeRead = false) const;
    void checkDrive(const QString &dosPath) const;
    // Whether `real` (with its stamp `stamp`) is where `otherDosPath` leads.
    bool leadsTo(const QString &real, const FileStamp &stamp, const QString &otherDosPath) const;

    const DriveMap &m_drives;
    const QString m_readFile;
    QHash<QChar, FileStamp> m_driveFolders;
    FileStamp m_read;
};
