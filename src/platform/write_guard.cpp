// Where the program may write and delete: on a drive that is still the one the
// file was read from, and never on one of its own files under another's name.
#include "platform/write_guard.h"

#include "platform/file_error.h"

#include <QCoreApplication>

const QStringList &WriteGuard::writtenFiles()
{
    static const QStringList files{
        QStringLiteral("C:\\CONFIG.NEW"),
        QStringLiteral("C:\\STARTUP.CMD"),
        QStringLiteral("C:\\AUTOEXEC.BAT"),
        QStringLiteral("C:\\AUTOEXEC.BAK"),
    };
    return files;
}

WriteGuard::WriteGuard(const DriveMap &drives, QString readFile)
    : m_drives(drives)
    , m_readFile(std::move(readFile))
{
}

void WriteGuard::beginRead()
{
    m_read = {};
    m_driveFolders.clear();
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        const QString folder = m_drives.drive(QChar(c));
        if (folder.isEmpty())
            continue;
        // A folder that is not there now has nothing to be compared with later:
        // whatever is written into it fails on its own.
        if (const FileStamp stamp = FileStamp::of(folder); stamp.valid)
            m_driveFolders.insert(QChar(c), stamp);
    }
}

bool WriteGuard::readFileChanged() const
{
    if (!m_read.valid)
        return false;
    try {
        return !FileStamp::of(m_drives.resolve(m_readFile)).unchangedSince(m_read);
    } catch (const FileError &) {
        return true;
    }
}

void WriteGuard::checkWrite(const QString &dosPath) const
{
    check(QCoreApplication::translate("Files", "Kan ikke skrive"), dosPath);
}

void WriteGuard::checkRemove(const QString &dosPath) const
{
    check(QCoreApplication::translate("Files", "Kan ikke slette"), dosPath);
}

void WriteGuard::checkReplace(const QString &dosPath) const
{
    check(QCoreApplication::translate("Files", "Kan ikke skrive"), dosPath, true);
}

void WriteGuard::checkRead(const QString &dosPath) const
{
    try {
        checkDrive(dosPath);
    } catch (const FileError &e) {
        throw e.refusing(QCoreApplication::translate("Files", "Kan ikke lese"));
    }
}

void WriteGuard::checkDrive(const QString &dosPath) const
{
    const QChar letter = DriveMap::driveOf(dosPath);
    if (const auto it = m_driveFolders.constFind(letter); !letter.isNull() && it != m_driveFolders.constEnd())
        if (!FileStamp::of(m_drives.drive(letter)).sameObject(*it))
            throw FileError(QCoreApplication::translate("Files", "%1: stasjonen %2: er ikke lenger den samme som da filen ble lest "
                                           "(avmontert?)")
                                .arg(dosPath, letter),
                            FileError::Kind::DriveChanged);
}

bool WriteGuard::leadsTo(const QString &real, const FileStamp &stamp, const QString &otherDosPath) const
{
    QString otherReal;
    try {
        otherReal = m_drives.realPath(otherDosPath);
    } catch (const FileError &) {
        return false; // a name that cannot be followed leads nowhere
    }
    // Two files that exist are the same when their inodes are (a hard link
    // too); otherwise where the links lead decides, letter case aside, as the
    // names on the drive are matched.
    const FileStamp other = FileStamp::of(otherReal);
    if (stamp.valid && other.valid)
        return stamp.sameObject(other);
    return real.compare(otherReal, Qt::CaseInsensitive) == 0;
}

void WriteGuard::check(const QString &what, const QString &dosPath, bool mayBeRead) const
{
    QString real;
    try {
        checkDrive(dosPath);
        real = m_drives.realPath(dosPath);
    } catch (const FileError &e) {
        throw e.refusing(what);
    }

    const FileStamp stamp = FileStamp::of(real);
    if (!mayBeRead && (stamp.sameObject(m_read) || leadsTo(real, stamp, m_readFile)))
        throw FileError(QCoreApplication::translate("Files", "%1 %2: det er filen som ble lest inn (%3), og den blir aldri skrevet over")
                            .arg(what, dosPath, m_readFile),
                        FileError::Kind::ProgramFile);
    for (const QString &other : writtenFiles()) {
        if (other.compare(dosPath, Qt::CaseInsensitive) != 0 && leadsTo(real, stamp, other))
            throw FileError(QCoreApplication::translate("Files", "%1 %2: %2 og %3 er samme fil (gjennom en lenke), og programmet "
                                           "skriver aldri den ene av dem gjennom den andre")
                                .arg(what, dosPath, other),
                            FileError::Kind::ProgramFile);
    }
}
