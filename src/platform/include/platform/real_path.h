// Where a host path really lands: every symbolic link on the way followed.
#pragma once

#include <QString>

#include <optional>

// The absolute host path that `path` lands on once every symbolic link on the
// way is followed, the last one too when its target does not exist, and "."
// and ".." are taken as the file system takes them. From the first name that
// does not exist on, the names are kept as they stand. Nothing when the links
// go round in a circle (more of them than the system follows): such a path
// cannot be opened at all.
std::optional<QString> realLocation(const QString &path);

// True when `path` is `folder` or lies below it; both absolute and clean.
// Host names as bytes too, so that names in no encoding compare as they are.
template <typename Path>
bool liesWithin(const Path &path, const Path &folder)
{
    if (folder.size() == 1 && folder.front() == '/')
        return path.startsWith('/');
    return path == folder || (path.startsWith(folder) && path.at(folder.size()) == '/');
}
