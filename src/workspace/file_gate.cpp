// The one way to the files: the drive map, the reading of the file ("Hent")
// and of the side files, and the writes and deletes, each on the drive as it
// was when the file was read and never over the file read.
#include "workspace/file_gate.h"

#include "engine/search.h"
#include "platform/file_error.h"
#include "platform/file_stamp.h"

FileGate::FileGate(DriveMap drives, QString configFileName)
    : m_drives(std::move(drives))
    , m_configFileName(std::move(configFileName))
    , m_guard(m_drives, m_configFileName)
{
}

linefile::ReadFile FileGate::readConfigFile(Lines reuse)
{
    m_guard.beginRead();
    linefile::ReadFile file = linefile::read(m_drives, m_configFileName, MaxDocumentLines, std::move(reuse));
    m_guard.setRead(file.stamp);
    return file;
}

bool FileGate::isConfigFile(const QString &dosPath) const
{
    try {
        return FileStamp::of(m_drives.resolve(m_configFileName)).sameObject(FileStamp::of(m_drives.resolve(dosPath)));
    } catch (const FileError &) {
        return false;
    }
}

void FileGate::saveFile(const QString &dosPath, const Lines &lines) const
{
    saveFileBytes(dosPath, linefile::join(lines));
}

void FileGate::saveFileBytes(const QString &dosPath, std::string_view bytes) const
{
    m_guard.checkWrite(dosPath);
    linefile::saveBytes(m_drives, dosPath, bytes);
}

void FileGate::removeFile(const QString &dosPath) const
{
    m_guard.checkRemove(dosPath);
    linefile::remove(m_drives, dosPath);
}
