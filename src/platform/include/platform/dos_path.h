// DOS paths ("C:\OS2\BOOT\X.SYS") mapped to folders of the host system.
#pragma once

#include <QHash>
#include <QProcessEnvironment>
#include <QString>

#include <optional>

// A drive letter (A-Z) stands for a host folder. On Windows paths are used as
// they are; elsewhere drive X is the folder given for it (by --drive X=FOLDER,
// the variable OS2SETUP_DRIVE_X or, for C:, the drive chooser). Each component
// is matched without regard to case, as on FAT, HPFS and JFS, and ".." never
// climbs above the drive's root; nor does a symbolic link lead out of it: a path
// whose real location lies outside its drive's folder is refused. A path
// without a drive letter is a host path; a relative one is matched from the
// current folder without regard to case too.
class DriveMap
{
public:
    // Where the folder of a drive came from, for telling the user.
    enum class Origin {
        None,       // no folder: the drive is not mapped
        Option,     // --drive X=FOLDER on the command line, or given by the program
        Variable,   // the environment variable OS2SETUP_DRIVE_X
        Remembered, // the folder chosen once in the drive chooser
    };

    DriveMap() = default;

    // The map given by the OS2SETUP_DRIVE_A .. OS2SETUP_DRIVE_Z variables of
    // `environment` (by default this process's own).
    static DriveMap fromEnvironment(const QProcessEnvironment &environment);
    static DriveMap fromEnvironment();

    // The environment variable that names drive `letter`'s folder.
    static QString variableFor(QChar letter);

    void setDrive(QChar letter, const QString &hostFolder, Origin origin = Origin::Option);
    QString drive(QChar letter) const;
    Origin origin(QChar letter) const;

    // The host path of `dosPath`, as named (links not followed). Throws
    // FileError, its message "<dosPath>: <cause>", of the kind
    // - Unmapped when the drive has no folder; the message says how to map it;
    // - NotADrive when the character before ':' is not a letter A-Z ("1:", "ä:");
    // - OutsideDrive when the real location (every link followed, a dangling
    //   one too) lies outside the real location of the drive's folder;
    // - Failed for a path with a NUL in it, which no file can be named.
    // Every read, write, delete and existence test goes through it.
    QString resolve(const QString &dosPath) const;

    // Where `dosPath` really lands: its host path with every link followed, a
    // dangling one too. Refuses what resolve() refuses, and links that go round
    // in a circle (Failed). What is written goes here, so that no link at the
    // target is followed anywhere else.
    QString realPath(const QString &dosPath) const;

    // `c` as a drive letter, upper case: A-Z in either case; a null QChar for
    // any other character (upper-casing first would take "ı" for I).
    static QChar letter(QChar c);

    // The drive letter of `dosPath`, upper case; a null QChar for a host path.
    // Throws FileError (NotADrive) for a character before ':' that is not A-Z.
    static QChar driveOf(const QString &dosPath);

private:
    struct Location
    {
        QString host;                // as named
        std::optional<QString> real; // links followed; nothing when they loop
    };
    Location locate(const QString &dosPath) const;

    QHash<QChar, QString> m_drives;
    QHash<QChar, Origin> m_origins;
    bool m_passThrough = false;
};
