// Where the drive letters' folders come from at start.
#include "platform/drive_sources.h"

#include <QDir>
#include <QSettings>

namespace {

// The key of drive C:'s folder in the settings file: "[drives]" "C=...".
const QString kRememberedC = QStringLiteral("drives/C");
// ... and the UUID of its partition: "C_uuid=...".
const QString kRememberedPartitionC = QStringLiteral("drives/C_uuid");

} // namespace

std::optional<DriveOption> parseDriveOption(const QString &value)
{
    if (value.size() < 3 || value.at(1) != u'=')
        return std::nullopt;
    const QChar drive = DriveMap::letter(value.at(0));
    if (drive.isNull())
        return std::nullopt;
    return DriveOption{drive, QDir::cleanPath(QDir::current().absoluteFilePath(value.mid(2)))};
}

DriveMap assembleDriveMap(const QList<DriveOption> &options, const QProcessEnvironment &environment,
                          const QString &rememberedC)
{
    DriveMap map = DriveMap::fromEnvironment(environment);
    if (map.origin(u'C') == DriveMap::Origin::None && !rememberedC.isEmpty())
        map.setDrive(u'C', rememberedC, DriveMap::Origin::Remembered);
    for (const DriveOption &option : options)
        map.setDrive(option.letter, option.folder, DriveMap::Origin::Option);
    return map;
}

QString rememberedDriveC(const QSettings &settings)
{
    return settings.value(kRememberedC).toString();
}

QString rememberedPartitionC(const QSettings &settings)
{
    return settings.value(kRememberedPartitionC).toString();
}

void rememberDriveC(QSettings &settings, const QString &folder, const QString &partitionUuid)
{
    settings.setValue(kRememberedC, folder);
    if (partitionUuid.isEmpty())
        settings.remove(kRememberedPartitionC);
    else
        settings.setValue(kRememberedPartitionC, partitionUuid);
    settings.sync();
}
