// The partitions that UDisks2 knows, and mounting one of them, over D-Bus.
#include "platform/udisks.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QMap>
#include <QVariantMap>

#include <algorithm>

namespace {

const QString kService = QStringLiteral("org.freedesktop.UDisks2");
const QString kRoot = QStringLiteral("/org/freedesktop/UDisks2");
const QString kBlock = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString kFilesystem = QStringLiteral("org.freedesktop.UDisks2.Filesystem");

// Listing answers at once; a mount may wait for the user to type a password.
constexpr int kListTimeoutMs = 10'000;
constexpr int kMountTimeoutMs = 10 * 60'000;

bool isOs2FileSystem(const QString &type)
{
    return type == u"hpfs" || type == u"jfs" || type == u"vfat";
}

// A byte string of UDisks2 ("ay"), which ends in a NUL.
QString fromBytes(QByteArray bytes)
{
    if (bytes.endsWith('\0'))
        bytes.chop(1);
    return QString::fromLocal8Bit(bytes);
}

// MountPoints ("aay"), which arrives as a D-Bus argument still to be read.
QStringList mountPointsOf(const QVariant &value)
{
    QStringList points;
    if (!value.canConvert<QDBusArgument>())
        return points;
    const auto argument = value.value<QDBusArgument>();
    argument.beginArray();
    while (!argument.atEnd()) {
        QByteArray bytes;
        argument >> bytes;
        points << fromBytes(bytes);
    }
    argument.endArray();
    return points;
}

// What a failed call means for the user, from its error name (a message text
// may be translated or change between releases).
QString causeOf(const QDBusError &error)
{
    const QString name = error.name();
    const auto is = [&name](const char *suffix) { return name == QStringLiteral("org.freedesktop.UDisks2.Error.") + QLatin1String(suffix); };
    if (is("NotAuthorized") || is("NotAuthorizedCanObtain"))
        return QCoreApplication::translate("Files", "du har ikke tillatelse til å montere den");
    if (is("NotAuthorizedDismissed"))
        return QCoreApplication::translate("Files", "spørsmålet om passord ble avbrutt");
    if (is("DeviceBusy"))
        return QCoreApplication::translate("Files", "enheten er i bruk");
    if (is("Cancelled"))
        return QCoreApplication::translate("Files", "monteringen ble avbrutt");
    if (name == u"org.freedesktop.DBus.Error.NameHasNoOwner")
        return QCoreApplication::translate("Files", "tjenesten UDisks2 kjører ikke");
    switch (error.type()) {
    case QDBusError::ServiceUnknown:
        return QCoreApplication::translate("Files", "tjenesten UDisks2 kjører ikke");
    case QDBusError::NoReply:
    case QDBusError::Timeout:
    case QDBusError::TimedOut:
        return QCoreApplication::translate("Files", "UDisks2 svarte ikke i tide");
    case QDBusError::Disconnected:
        return QCoreApplication::translate("Files", "ingen forbindelse til systembussen (D-Bus)");
    default:
        break;
    }
    return QCoreApplication::translate("Files", "ukjent feil (%1: %2)").arg(name, error.message());
}

QDBusMessage mountCall(const Partition &partition)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, partition.object, kFilesystem, QStringLiteral("Mount"));
    // No options: UDisks2 picks the mount point and the options it allows
    // for the file system (your own user on FAT, say).
    call << QVariantMap();
    return call;
}

MountResult mountResult(const Partition &partition, const QDBusMessage &reply)
{
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        return {reply.arguments().first().toString(), {}};
    return {{}, QCoreApplication::translate("Files", "Kan ikke montere %1: %2.").arg(partition.device, causeOf(QDBusError(reply)))};
}

} // namespace

UDisks::UDisks(QDBusConnection bus)
    : m_bus(std::move(bus))
{
}

UDisks UDisks::onSystemBus()
{
    return UDisks(QDBusConnection::systemBus());
}

QList<Partition> UDisks::partitions()
{
    m_problem.clear();
    if (!m_bus.isConnected()) {
        m_problem = causeOf(QDBusError(QDBusError::Disconnected, {}));
        return {};
    }
    const QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kRoot, QStringLiteral("org.freedesktop.DBus.ObjectManager"), QStringLiteral("GetManagedObjects"));
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, kListTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()
        || !reply.arguments().first().canConvert<QDBusArgument>()) {
        m_problem = causeOf(QDBusError(reply));
        return {};
    }

    QList<Partition> found;
    const auto objects = reply.arguments().first().value<QDBusArgument>();
    objects.beginMap();
    while (!objects.atEnd()) {
        QDBusObjectPath path;
        QMap<QString, QVariantMap> interfaces;
        objects.beginMapEntry();
        objects >> path >> interfaces;
        objects.endMapEntry();
        const QVariantMap block = interfaces.value(kBlock);
        const QString type = block.value(QStringLiteral("IdType")).toString();
        // Only a file system that UDisks2 can mount (it has the Filesystem interface).
        if (!isOs2FileSystem(type) || !interfaces.contains(kFilesystem))
            continue;
        Partition p;
        p.object = path.path();
        p.device = fromBytes(block.value(QStringLiteral("PreferredDevice")).toByteArray());
        if (p.device.isEmpty())
            p.device = fromBytes(block.value(QStringLiteral("Device")).toByteArray());
        p.type = type;
        p.label = block.value(QStringLiteral("IdLabel")).toString();
        p.uuid = block.value(QStringLiteral("IdUUID")).toString();
        p.size = block.value(QStringLiteral("Size")).toULongLong();
        p.mountPoints = mountPointsOf(interfaces.value(kFilesystem).value(QStringLiteral("MountPoints")));
        found.append(p);
    }
    objects.endMap();
    std::sort(found.begin(), found.end(), [](const Partition &a, const Partition &b) { return a.device < b.device; });
    return found;
}

std::optional<Partition> UDisks::partitionWithUuid(const QString &uuid)
{
    if (uuid.isEmpty())
        return std::nullopt;
    for (const Partition &p : partitions())
        if (p.uuid == uuid)
            return p;
    return std::nullopt;
}

MountResult UDisks::mount(const Partition &partition)
{
    return mountResult(partition, m_bus.call(mountCall(partition), QDBus::Block, kMountTimeoutMs));
}

void UDisks::mountLater(const Partition &partition, QObject *context, std::function<void(const MountResult &)> done)
{
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(mountCall(partition), kMountTimeoutMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [partition, done = std::move(done)](QDBusPendingCallWatcher *w) {
                         w->deleteLater();
                         done(mountResult(partition, w->reply()));
                     });
}
