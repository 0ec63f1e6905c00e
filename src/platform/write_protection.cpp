// A file's write protection lifted for one write and put back after it.
#include "platform/write_protection.h"

#include "platform/file_error.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>

#include <sys/stat.h>

LiftedProtection::LiftedProtection(const DriveMap &drives, const QString &dosPath)
    : m_dosPath(dosPath)
{
    try {
        m_host = drives.realPath(dosPath);
    } catch (const FileError &e) {
        throw e.refusing(QCoreApplication::translate("Files", "Kan ikke skrive"));
    }
    struct stat st;
    if (::stat(QFile::encodeName(m_host).constData(), &st) != 0) {
        const int error = errno;
        throw FileError(QCoreApplication::translate("Files", "Kan ikke skrive %1: %2").arg(dosPath, fileErrorCause(error)));
    }
    if (st.st_mode & S_IWUSR)
        return;
    const unsigned mode = st.st_mode & 07777;
    if (::chmod(QFile::encodeName(m_host).constData(), static_cast<mode_t>(mode | S_IWUSR)) != 0) {
        const int error = errno;
        throw FileError(QCoreApplication::translate("Files", "Kan ikke skrive %1: filen er skrivebeskyttet, og skrivebeskyttelsen kan "
                                       "ikke tas av for å skrive den (%2)")
                            .arg(dosPath, fileErrorCause(error)));
    }
    m_mode = mode;
}

LiftedProtection::~LiftedProtection()
{
    if (m_mode)
        restore();
}

bool LiftedProtection::restore() const
{
    return ::chmod(QFile::encodeName(m_host).constData(), static_cast<mode_t>(*m_mode)) == 0;
}

void LiftedProtection::putBack()
{
    if (!m_mode)
        return;
    const bool done = restore();
    const int error = errno;
    m_mode.reset();
    if (!done)
        throw FileError(QCoreApplication::translate("Files", "%1 er skrevet, men skrivebeskyttelsen kan ikke settes på igjen (%2); "
                                       "sett den på selv med «chmod a-w»")
                            .arg(m_dosPath, fileErrorCause(error)));
}
