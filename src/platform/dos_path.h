// DOS paths ("C:\OS2\BOOT\X.SYS") mapped to folders of the host system.
#pragma once

#include <QHash>
#include <QProcessEnvironment>
#include <QString>

// A drive letter stands for a host folder. On Windows paths are used as they are;
// elsewhere drive X is the folder given for it (by --drive X=FOLDER, the variable
// OS2SETUP_DRIVE_X or, for C:, the drive chooser). Each component is
// matched without regard to case, as on FAT, HPFS and JFS, and ".." never climbs
// above the drive's root. A path without a drive letter is a host path; a
// relative one is matched from the current folder without regard to case too.
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

    // The host path of `dosPath`. Throws FileError when the drive is not mapped;
    // its message says how to map it.
    QString resolve(const QString &dosPath) const;

private:
    QHash<QChar, QString> m_drives;
    QHash<QChar, Origin> m_origins;
    bool m_passThrough = false;
};
