// Where the drive letters' folders come from at start: the option --drive, the
// variables OS2SETUP_DRIVE_X, and for C: the folder remembered from the chooser.
#pragma once

#include "platform/dos_path.h"

#include <QList>
#include <QProcessEnvironment>
#include <QString>

#include <optional>

class QSettings;

// One "--drive X=FOLDER": drive letter X (upper case) is the host folder FOLDER.
struct DriveOption
{
    QChar letter;
    QString folder;

    friend bool operator==(const DriveOption &, const DriveOption &) = default;
};

// The drive option written as "X=FOLDER" (a letter A to Z in either case, "=",
// a folder that is not empty); nothing when `value` has another form. A
// relative folder is made absolute from the current folder.
std::optional<DriveOption> parseDriveOption(const QString &value);

// The drive map of a start. Each letter takes its folder from the last option
// that names it, else from its variable in `environment`; drive C: at last from
// `rememberedC`, the folder chosen once in the drive chooser.
DriveMap assembleDriveMap(const QList<DriveOption> &options, const QProcessEnvironment &environment,
                          const QString &rememberedC);

// The folder of drive C: that the chooser stored in `settings`; empty when none.
QString rememberedDriveC(const QSettings &settings);
// The file system UUID of the partition mounted on that folder; empty when
// the folder was picked by hand.
QString rememberedPartitionC(const QSettings &settings);
// Stores `folder` as drive C:'s folder for the next start, with the UUID of
// its partition (none: the folder is no partition UDisks2 knows).
void rememberDriveC(QSettings &settings, const QString &folder, const QString &partitionUuid = {});
