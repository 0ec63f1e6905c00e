// Mounted file systems of the host, and which of them look like an OS/2 boot drive.
#include "platform/mounts.h"

#include "platform/text8.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>

namespace {

using text8::isBlank;

bool isOctal(char c)
{
    return c >= '0' && c <= '7';
}

// A field of the mount table with the kernel's \ooo escapes decoded. A backslash
// that does not start such an escape is kept as it is.
QString decodeField(QByteArrayView field)
{
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) && isOctal(field[i + 2])
            && isOctal(field[i + 3])) {
            const int value = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            bytes.append(static_cast<char>(value));
            i += 3;
            continue;
        }
        bytes.append(c);
    }
    return QFile::decodeName(bytes);
}

QList<QByteArrayView> splitFields(QByteArrayView line)
{
    QList<QByteArrayView> fields;
    qsizetype i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        const qsizetype start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (i > start)
            fields.append(line.sliced(start, i - start));
    }
    return fields;
}

// Whether a mount of file system `type` may be probed at all: never the kernel's
// pseudo file systems, nor network and user-space ones that can block.
bool isProbedFileSystem(const QString &type)
{
    // Looking into these is pointless (the kernel's own views) or can block for
    // a long time (network shares whose server is gone, automounts, user-space
    // file systems such as sshfs). An OS/2 partition is a local block device:
    // hpfs, jfs, vfat, msdos, ntfs through fuseblk, and so on; every type not
    // named here is probed, so a copy of a drive on ext4, btrfs, tmpfs or an
    // overlay is found too.
    static const QSet<QString> skipped = {
        QStringLiteral("proc"),       QStringLiteral("sysfs"),      QStringLiteral("devtmpfs"),
        QStringLiteral("devpts"),     QStringLiteral("securityfs"), QStringLiteral("debugfs"),
        QStringLiteral("tracefs"),    QStringLiteral("mqueue"),     QStringLiteral("pstore"),
        QStringLiteral("bpf"),        QStringLiteral("autofs"),     QStringLiteral("configfs"),
        QStringLiteral("fusectl"),    QStringLiteral("binfmt_misc"), QStringLiteral("hugetlbfs"),
        QStringLiteral("efivarfs"),   QStringLiteral("rpc_pipefs"), QStringLiteral("nsfs"),
        QStringLiteral("selinuxfs"),  QStringLiteral("cifs"),       QStringLiteral("smb3"),
        QStringLiteral("smbfs"),      QStringLiteral("ncpfs"),      QStringLiteral("9p"),
        QStringLiteral("afs"),        QStringLiteral("ceph"),       QStringLiteral("davfs"),
        QStringLiteral("fuse"),       QStringLiteral("sshfs"),
    };
    if (skipped.contains(type))
        return false;
    // nfs, nfs4; cgroup, cgroup2; fuse.sshfs, fuse.gvfsd-fuse, fuse.rclone...
    // fuseblk stays: it is a local disk (ntfs-3g, exfat-fuse) served in user space.
    return !type.startsWith(u"nfs") && !type.startsWith(u"cgroup") && !type.startsWith(u"fuse.");
}

} // namespace

QList<MountEntry> parseMounts(QByteArrayView text)
{
    QList<MountEntry> mounts;
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = text.indexOf('\n', pos);
        if (end < 0)
            end = text.size();
        const QList<QByteArrayView> fields = splitFields(text.sliced(pos, end - pos));
        pos = end + 1;
        if (fields.size() < 4 || !fields[1].startsWith('/'))
            continue;
        mounts.append({decodeField(fields[0]), decodeField(fields[1]), decodeField(fields[2])});
    }
    return mounts;
}

QList<MountEntry> mountsFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // A /proc file tells no size; readAll reads on to the end.
    return parseMounts(file.readAll());
}

QList<MountEntry> systemMounts()
{
    return mountsFromFile(QStringLiteral("/proc/self/mounts"));
}

bool looksLikeOs2BootDrive(const QString &folder)
{
    bool hasConfig = false;
    bool hasOs2 = false;
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        if (entry.isFile() && name.compare(u"CONFIG.SYS", Qt::CaseInsensitive) == 0)
            hasConfig = true;
        else if (entry.isDir() && name.compare(u"OS2", Qt::CaseInsensitive) == 0)
            hasOs2 = true;
    }
    return hasConfig && hasOs2;
}

QList<MountEntry> os2DriveCandidates(const QList<MountEntry> &mounts)
{
    QHash<QString, qsizetype> lastMount;
    for (qsizetype i = 0; i < mounts.size(); ++i)
        lastMount.insert(mounts[i].mountPoint, i);

    QList<MountEntry> candidates;
    for (qsizetype i = 0; i < mounts.size(); ++i) {
        const MountEntry &mount = mounts[i];
        if (lastMount.value(mount.mountPoint) == i && isProbedFileSystem(mount.type)
            && looksLikeOs2BootDrive(mount.mountPoint))
            candidates.append(mount);
    }
    return candidates;
}
