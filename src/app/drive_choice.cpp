// Where drive C: comes from when it is chosen, and the choice at start.
#include "app/drive_choice.h"

#include "app/drive_chooser.h"
#include "platform/drive_sources.h"
#include "platform/file_error.h"
#include "workspace/light_look.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSettings>

namespace {

bool isOnC(const QString &path)
{
    return path.size() >= 2 && path.at(1) == u':' && path.at(0).toUpper() == u'C';
}

// Why the remembered folder of C: will not do; nothing when it will.
std::optional<QString> rememberedFolderProblem(const DriveMap &drives, const QString &configFile)
{
    const QString folder = drives.drive(u'C');
    if (!QFileInfo(folder).isDir())
        return QCoreApplication::translate("DriveChoice", "%1 finnes ikke – er partisjonen montert?").arg(folder);
    if (QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        return QCoreApplication::translate("DriveChoice", "%1 er tom – er partisjonen montert?").arg(folder);
    QString host;
    try {
        host = drives.resolve(configFile);
    } catch (const FileError &) {
    }
    if (!QFileInfo(host).isFile())
        return QCoreApplication::translate("DriveChoice", "%1 har ingen %2").arg(folder, configFile.section(u'\\', -1));
    return std::nullopt;
}

} // namespace

DriveChoice::DriveChoice(std::unique_ptr<QSettings> settings, UDisks udisks, MountTable mounts)
    : m_settings(std::move(settings))
    , m_udisks(std::move(udisks))
    , m_mounts(std::move(mounts))
{
}

DriveChoice::~DriveChoice() = default;

std::unique_ptr<DriveChoice> DriveChoice::forThisUser()
{
    return std::make_unique<DriveChoice>(std::make_unique<QSettings>(QStringLiteral("os2setup"), QStringLiteral("os2setup")),
                                         UDisks::onSystemBus(), systemMounts);
}

std::optional<QString> DriveChoice::prepareAtStart(DriveMap &drives, const QString &configFile, bool forced)
{
    QString mountProblem;
    const QString uuid = rememberedPartitionC(*m_settings);
    if (drives.origin(u'C') == DriveMap::Origin::Remembered && !uuid.isEmpty()) {
        // Mounted where it is now: after a reboot the partition is mounted
        // by no one, and UDisks2 may choose another folder than last time.
        if (const std::optional<Partition> partition = m_udisks.partitionWithUuid(uuid)) {
            const MountResult result =
                partition->isMounted() ? MountResult{partition->mountPoints.first(), {}} : m_udisks.mount(*partition);
            if (!result.error.isEmpty()) {
                mountProblem = result.error;
            } else if (result.mountPoint != drives.drive(u'C')) {
                drives.setDrive(u'C', result.mountPoint, DriveMap::Origin::Remembered);
                rememberDriveC(*m_settings, result.mountPoint, uuid);
            }
        }
    }
    std::optional<QString> reason = driveChooserReason(drives, configFile, forced);
    if (reason && !mountProblem.isEmpty())
        reason = reason->isEmpty() ? mountProblem : mountProblem + u'\n' + *reason;
    return reason;
}

std::unique_ptr<DriveChooser> DriveChoice::chooser(const DriveMap &drives, const QString &reason, QWidget *parent)
{
    auto chooser = std::make_unique<DriveChooser>(os2DriveCandidates(m_mounts()), drives.drive(u'C'), parent);
    chooser->offerPartitions(&m_udisks);
    chooser->setReason(reason);
    // Opened before the window too, it takes the window's light look itself.
    chooser->setPalette(lightPalette());
    return chooser;
}

void DriveChoice::take(const DriveChooser &chooser, DriveMap &drives)
{
    drives.setDrive(u'C', chooser.folder(), DriveMap::Origin::Remembered);
    rememberDriveC(*m_settings, chooser.folder(), chooser.partitionUuid());
}

std::optional<QString> driveChooserReason(const DriveMap &drives, const QString &configFile, bool forced)
{
#ifdef Q_OS_WIN
    // Paths are used as they are there.
    Q_UNUSED(drives);
    Q_UNUSED(configFile);
    Q_UNUSED(forced);
    return std::nullopt;
#else
    if (forced)
        return QString();
    if (!isOnC(configFile))
        return std::nullopt;
    switch (drives.origin(u'C')) {
    case DriveMap::Origin::None:
        return QString();
    case DriveMap::Origin::Remembered:
        // The folder chosen last time is gone, or nothing is mounted on it.
        return rememberedFolderProblem(drives, configFile);
    default:
        return std::nullopt;
    }
#endif
}

void chooseDriveAtStart(DriveMap &drives, const QString &configFile, bool forced, DriveChoice &choice)
{
    if (!isRealDisplay(QGuiApplication::platformName()))
        return;
    const std::optional<QString> reason = choice.prepareAtStart(drives, configFile, forced);
    if (!reason)
        return;
    const std::unique_ptr<DriveChooser> chooser = choice.chooser(drives, *reason, nullptr);
    if (chooser->exec() == QDialog::Accepted && !chooser->folder().isEmpty())
        choice.take(*chooser, drives);
}

std::optional<QString> noDriveMessage(const DriveMap &drives, const QString &configFile)
{
#ifndef Q_OS_WIN
    if (isOnC(configFile) && drives.origin(u'C') == DriveMap::Origin::None)
        return QCoreApplication::translate("DriveChoice", "%1: stasjon C: er ikke koblet til noen mappe. Velg mappen her fra vinduet: trykk F1 "
                              "og «Velg OS/2-stasjonen…». Eller start programmet med os2setup --choose-drive.")
            .arg(configFile);
#endif
    Q_UNUSED(drives);
    Q_UNUSED(configFile);
    return std::nullopt;
}
