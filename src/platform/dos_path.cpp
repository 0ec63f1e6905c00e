// DOS paths ("C:\OS2\BOOT\X.SYS") mapped to folders of the host system.
#include "platform/dos_path.h"

#include "platform/file_error.h"
#include "platform/real_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcessEnvironment>

#include <cerrno>

namespace {

// The entry of `dir` named `name`, letter case aside; the exact name is preferred.
QString matchEntry(const QDir &dir, const QString &name)
{
    if (dir.exists(name))
        return name;
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return name;
}

// The names of a path, split at either slash.
QStringList partsOf(QString path)
{
    return path.replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
}

// A path without a drive letter, relative to the current folder.
QString resolveRelative(const QString &path)
{
    // An absolute host path, or one that begins at the root of the current
    // drive, is used as it stands.
    if (path.isEmpty() || QDir::isAbsolutePath(path) || path.startsWith(u'\\'))
        return path;
    // A name in the current folder is matched without regard to case too, as
    // the names on the drives are: "ibmkbd.sys" is found for "IBMKBD.SYS".
    QString host = QDir::currentPath();
    for (const QString &part : partsOf(path)) {
        if (part == u".")
            continue;
        if (part == u"..")
            host = QDir::cleanPath(host + QStringLiteral("/.."));
        else
            host += u'/' + matchEntry(QDir(host), part);
    }
    return QDir::cleanPath(host);
}

} // namespace

DriveMap DriveMap::fromEnvironment()
{
    return fromEnvironment(QProcessEnvironment::systemEnvironment());
}

DriveMap DriveMap::fromEnvironment(const QProcessEnvironment &env)
{
    DriveMap map;
#ifdef Q_OS_WIN
    map.m_passThrough = true;
#endif
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        const QString folder = env.value(variableFor(QChar(c)));
        if (!folder.isEmpty())
            map.setDrive(QChar(c), folder, Origin::Variable);
    }
    return map;
}

QString DriveMap::variableFor(QChar letter)
{
    return QStringLiteral("OS2SETUP_DRIVE_") + letter.toUpper();
}

void DriveMap::setDrive(QChar letter, const QString &hostFolder, Origin origin)
{
    m_drives.insert(letter.toUpper(), hostFolder);
    m_origins.insert(letter.toUpper(), origin);
}

DriveMap::Origin DriveMap::origin(QChar letter) const
{
    return m_origins.value(letter.toUpper(), Origin::None);
}

QString DriveMap::drive(QChar letter) const
{
    return m_drives.value(letter.toUpper());
}

QChar DriveMap::letter(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'a' && u <= u'z')
        return QChar(static_cast<char16_t>(u - u'a' + u'A'));
    if (u >= u'A' && u <= u'Z')
        return c;
    return {};
}

QChar DriveMap::driveOf(const QString &dosPath)
{
    if (dosPath.size() < 2 || dosPath.at(1) != u':')
        return {};
    if (const QChar drive = letter(dosPath.at(0)); !drive.isNull())
        return drive;
    throw FileError(QCoreApplication::translate("Files", "%1: %2: er ingen stasjon (en stasjon er en bokstav fra A til Z)")
                        .arg(dosPath, dosPath.left(1)),
                    FileError::Kind::NotADrive);
}

DriveMap::Location DriveMap::locate(const QString &dosPath) const
{
    // The system ends a name at a NUL: such a path would reach another file.
    if (dosPath.contains(QChar(0)))
        throw FileError(QCoreApplication::translate("Files", "%1: navnet har tegnet NUL i seg, og ingen fil kan hete det").arg(dosPath));
    const QChar letter = driveOf(dosPath);
    if (letter.isNull()) {
        const QString host = resolveRelative(dosPath);
        return {host, realLocation(host)};
    }
    const QString root = m_drives.value(letter);
    if (root.isEmpty()) {
        // The two ways that work everywhere, --check included; the window
        // tells of its drive chooser itself.
        throw FileError(QCoreApplication::translate("Files", "%1: stasjon %2: er ikke koblet til noen mappe. "
                                       "Start os2setup med --drive %2=MAPPE, eller sett miljøvariabelen %3 til mappen.")
                            .arg(dosPath, letter, variableFor(letter)),
                        FileError::Kind::Unmapped);
    }

    // Walk the components from the drive's root, keeping the names found on disk.
    QStringList found;
    for (const QString &part : partsOf(dosPath.mid(2))) {
        if (part == u".")
            continue;
        if (part == u"..") {
            if (!found.isEmpty())
                found.removeLast();
            continue;
        }
        QDir dir(root);
        if (!found.isEmpty())
            dir.setPath(root + u'/' + found.join(u'/'));
        found.append(matchEntry(dir, part));
    }
    QString host = root;
    for (const QString &part : found)
        host += u'/' + part;
    host = QDir::cleanPath(host);

    // Where the links on the way lead, compared with where the drive's own
    // folder really is (it may be a link itself). Links that loop lead nowhere:
    // the system refuses to open such a path.
    const std::optional<QString> real = realLocation(host);
    const std::optional<QString> realRoot = realLocation(root);
    if (real && realRoot && !liesWithin(*real, *realRoot))
        throw FileError(QCoreApplication::translate("Files", "%1: fører ut av stasjonen %2: (til %3)").arg(dosPath, letter, *real),
                        FileError::Kind::OutsideDrive);
    return {host, real};
}

QString DriveMap::resolve(const QString &dosPath) const
{
    if (m_passThrough)
        return dosPath;
    return locate(dosPath).host;
}

QString DriveMap::realPath(const QString &dosPath) const
{
    if (m_passThrough)
        return dosPath;
    const Location location = locate(dosPath);
    if (!location.real)
        throw FileError(QStringLiteral("%1: %2").arg(dosPath, fileErrorCause(ELOOP)));
    return *location.real;
}
