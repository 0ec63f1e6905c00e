// The partitions that UDisks2 (the disk service of Linux desktops) knows, and
// mounting one of them as a file manager does, over D-Bus.
#pragma once

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// A block device with a file system that OS/2 can boot from: hpfs, jfs or vfat.
struct Partition
{
    QString object; // the UDisks2 object path
    QString device; // /dev/sda2
    QString type;   // hpfs, jfs, vfat
    QString label;
    QString uuid;
    quint64 size = 0;          // bytes
    QStringList mountPoints;   // empty when not mounted

    bool isMounted() const { return !mountPoints.isEmpty(); }
};

// The outcome of a mount: the folder it is mounted on, or why it is not.
struct MountResult
{
    QString mountPoint;
    QString error; // Norwegian, names the device; empty on success
};

class UDisks
{
public:
    // UDisks2 on `bus`: the system bus for the program, a private bus in tests.
    explicit UDisks(QDBusConnection bus);
    static UDisks onSystemBus();

    // The hpfs, jfs and vfat partitions, sorted by device; empty, with
    // problem() set, when UDisks2 cannot be asked.
    QList<Partition> partitions();
    std::optional<Partition> partitionWithUuid(const QString &uuid);
    // Why partitions() found nothing to ask (Norwegian); empty when UDisks2 answered.
    const QString &problem() const { return m_problem; }

    // Mounts `partition` (UDisks2 asks for a password through polkit where the
    // desktop wants one); waits for the answer.
    MountResult mount(const Partition &partition);
    // The same without waiting: `done` runs in `context`'s thread once UDisks2
    // has answered, unless `context` is gone by then.
    void mountLater(const Partition &partition, QObject *context, std::function<void(const MountResult &)> done);

private:
    QDBusConnection m_bus;
    QString m_problem;
};
