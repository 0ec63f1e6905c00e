// Where a host path really lands: every symbolic link on the way followed.
#include "platform/real_path.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace {

// More than Linux follows in one lookup (40): a path this walk gives up on
// cannot be opened by the system either.
constexpr int kMaxLinks = 64;

// Puts the names of `path` in front of `todo`, whose next name is at the back.
void pushFront(std::vector<QByteArray> &todo, const QByteArray &path)
{
    const QList<QByteArray> parts = path.split('/');
    for (auto it = parts.rbegin(); it != parts.rend(); ++it)
        if (!it->isEmpty() && *it != ".")
            todo.push_back(*it);
}

QByteArray joined(const std::vector<QByteArray> &parts)
{
    QByteArray out;
    for (const QByteArray &part : parts)
        out += '/' + part;
    return out.isEmpty() ? QByteArray("/") : out;
}

std::optional<QByteArray> readLink(const QByteArray &path)
{
    QByteArray buffer(256, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::readlink(path.constData(), buffer.data(), static_cast<std::size_t>(buffer.size()));
        if (n < 0)
            return std::nullopt;
        if (n < buffer.size()) {
            buffer.truncate(n);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace

std::optional<QString> realLocation(const QString &path)
{
    const QString absolute = QDir::isAbsolutePath(path) ? path : QDir::current().absoluteFilePath(path);
    std::vector<QByteArray> todo;
    pushFront(todo, QFile::encodeName(absolute));
    std::vector<QByteArray> done; // the real names so far, from the root
    bool missing = false;         // a name on the way does not exist
    int links = 0;
    while (!todo.empty()) {
        const QByteArray part = std::move(todo.back());
        todo.pop_back();
        if (part == "..") {
            if (!done.empty())
                done.pop_back();
            continue;
        }
        done.push_back(part);
        if (missing)
            continue;
        // The system would end the name at a NUL: no name holds one.
        const QByteArray here = joined(done);
        struct stat st;
        if (part.contains('\0') || ::lstat(here.constData(), &st) != 0) {
            missing = true;
            continue;
        }
        if (!S_ISLNK(st.st_mode))
            continue;
        const std::optional<QByteArray> target = readLink(here);
        if (++links > kMaxLinks)
            return std::nullopt;
        done.pop_back();
        if (!target) { // gone in the meantime
            done.push_back(part);
            missing = true;
            continue;
        }
        if (target->startsWith('/'))
            done.clear();
        pushFront(todo, *target);
    }
    return QFile::decodeName(joined(done));
}

