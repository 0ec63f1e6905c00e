// The one way to the files: the drive map, the reading of the file ("Hent")
// and of the side files, and the writes and deletes, each on the drive as it
// was when the file was read and never over the file read.
#pragma once

#include "platform/dos_path.h"
#include "platform/line_file.h"
#include "platform/write_guard.h"

#include <QString>

#include <string>
#include <string_view>

class FileGate
{
public:
    // `configFileName` names the file read, as a DOS path or a host path.
    FileGate(DriveMap drives, QString configFileName);
    FileGate(const FileGate &) = delete;
    FileGate &operator=(const FileGate &) = delete;

    const DriveMap &drives() const { return m_drives; }
    // The drives of every later read and write, after the user chose C: anew.
    void setDrives(DriveMap drives) { m_drives = std::move(drives); }
    // The file that is read, as named on the command line or C:\CONFIG.SYS.
    const QString &ConfigFileName() const { return m_configFileName; }

    // "Hent": reads the file into the strings of `reuse` (see linefile::split),
    // remembering first the drives' folders as they are, then the file as it
    // was read. Throws FileError; then no file counts as read.
    linefile::ReadFile readConfigFile(Lines reuse);
    bool hasReadFile() const { return m_guard.hasRead(); }
    // True when the file read has changed on disk since it was read.
    bool readFileChanged() const { return m_guard.readFileChanged(); }
    // Whether `dosPath` is now where the file read is read from (the same
    // file by its device and inode); false when either cannot be looked at.
    bool isConfigFile(const QString &dosPath) const;

    // Reading any other file, as linefile does on these drives.
    linefile::Presence exists(const QString &dosPath) const { return linefile::exists(m_drives, dosPath); }
    bool isFile(const QString &dosPath) const { return exists(dosPath) == linefile::Presence::File; }
    Lines load(const QString &dosPath) const { return linefile::load(m_drives, dosPath); }
    std::string readBytes(const QString &dosPath) const { return linefile::readBytes(m_drives, dosPath); }
    void refuseSpecialFile(const QString &dosPath) const { linefile::refuseSpecialFile(m_drives, dosPath); }
    void checkRemovable(const QString &dosPath) const { linefile::checkRemovable(m_drives, dosPath); }

    // Saving and deleting the files the program writes, on their drive as it
    // was when the file was read. The file that was read is never written nor
    // deleted, not even through a link, nor is one of these files through
    // another's name (see WriteGuard). Throw FileError.
    void saveFile(const QString &dosPath, const Lines &lines) const;
    void saveFileBytes(const QString &dosPath, std::string_view bytes) const;
    void removeFile(const QString &dosPath) const;
    // The same refusals alone, for a step that must know before it begins.
    void checkWrite(const QString &dosPath) const { m_guard.checkWrite(dosPath); }
    void checkRemove(const QString &dosPath) const { m_guard.checkRemove(dosPath); }
    // The refusals themselves, for the step that puts a file in place as
    // CONFIG.SYS: it writes on these drives through the same gate.
    const WriteGuard &guard() const { return m_guard; }

private:
    DriveMap m_drives;
    const QString m_configFileName;
    WriteGuard m_guard;
};
