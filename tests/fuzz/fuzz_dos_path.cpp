// Fuzz target: DOS paths resolved on a real folder tree with links in it,
// one of them made from the input. The property: whatever a path resolves
// to lies inside its drive's folder, as the system itself finds it.
#include "fuzz_check.h"
#include "platform/dos_path.h"
#include "platform/file_error.h"
#include "platform/real_path.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <climits>
#include <cstdint>
#include <cstdlib>

#include <unistd.h>

namespace {

struct Tree
{
    QTemporaryDir top;
    QString drive = top.filePath("c");
    QString realDrive;
    QByteArray fuzzLink;
    DriveMap drives;

    Tree()
    {
        const QString outside = top.filePath("outside");
        QDir().mkpath(drive + "/OS2/BOOT");
        QDir().mkpath(outside + "/deeper");
        QFile(drive + "/OS2/BOOT/X.SYS").open(QIODevice::WriteOnly);
        QFile(outside + "/passwd").open(QIODevice::WriteOnly);
        const QList<std::pair<QString, QString>> links = {
            {"INSIDE", "OS2"}, {"UP", "../outside"}, {"OUT", outside + "/passwd"}, {"OS2/BACK", "../.."},
            {"OS2/SELF", ".."}, {"LOOP", "LOOP"}, {"DANGLE", "../outside/none"}, {"ABS", drive + "/OS2"},
        };
        for (const auto &[name, target] : links)
            QFile::link(target, drive + u'/' + name);
        realDrive = QDir(drive).canonicalPath();
        fuzzLink = QFile::encodeName(drive + "/OS2/FUZZ");
        drives.setDrive(u'C', drive);
    }
};

Tree *tree = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    tree = new Tree;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The input up to the first newline is where C:\OS2\FUZZ leads; the rest
    // is the path, on drive C: unless it names its own drive.
    const std::string input(reinterpret_cast<const char *>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string target = input.substr(0, newline);
    ::unlink(tree->fuzzLink.constData());
    if (newline != std::string::npos && !target.empty())
        (void)::symlink(target.c_str(), tree->fuzzLink.constData());
    const QString rest = QString::fromLatin1(newline == std::string::npos ? input : input.substr(newline + 1));
    const QString path = rest.size() >= 2 && rest.at(1) == u':' ? rest : QStringLiteral("C:\\") + rest;
    const bool onC = path.at(0).toUpper() == u'C';

    QString host;
    try {
        host = tree->drives.resolve(path);
    } catch (const FileError &e) {
        FUZZ_CHECK(e.kind() != FileError::Kind::Failed || path.contains(QChar(0)));
        return 0;
    }
    // Where the system itself finds the file, when it does.
    char real[PATH_MAX];
    if (onC && ::realpath(QFile::encodeName(host).constData(), real)) {
        const QString found = QFile::decodeName(real);
        FUZZ_CHECK(liesWithin(found, tree->realDrive));
        FUZZ_CHECK(realLocation(host) == found);
    }
    try {
        const QString landing = tree->drives.realPath(path);
        if (onC)
            FUZZ_CHECK(liesWithin(landing, tree->realDrive));
    } catch (const FileError &e) {
        // Only links in a circle are refused here beyond resolve().
        FUZZ_CHECK(e.kind() == FileError::Kind::Failed && !realLocation(host));
    }
    return 0;
}
