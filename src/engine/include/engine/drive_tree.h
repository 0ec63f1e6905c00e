// DOS names looked up on the drives' host folders the way OS/2 would find
// them, each host folder listed once and its names kept for the next lookup.
#pragma once

#include "platform/dos_path.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <array>
#include <string_view>
#include <unordered_map>
#include <vector>

class DriveTree
{
public:
    enum class Type { File, Folder };
    enum class Presence {
        Present,
        Absent,   // not there, not of the type asked for, or no valid DOS path
        Unmapped, // on a drive without a folder
        Outside,  // its real location (links resolved) lies outside its drive's folder
    };

    // Looks on the folders of `drives`; it must outlive the tree.
    explicit DriveTree(const DriveMap &drives);

    // Whether `dosPath` ("C:\OS2\BOOT\X.SYS", the bytes as the file writes them)
    // is a `type` on its drive. A drive is a letter A-Z and nothing else; the
    // components are matched without regard to letter case, ".." never climbs
    // above the drive's root, and links are followed only while they stay in
    // the drive's folder. A name matches a host name when its bytes equal the
    // host name's bytes or when, read as code page 850 or as Windows-1252, it
    // is the host name as text. Throws FileError when the drive is mapped to a
    // folder that does not exist.
    Presence find(std::string_view dosPath, Type type);

private:
    struct Entry
    {
        QByteArray name;
        unsigned char type; // a dirent d_type
    };
    struct Folder
    {
        std::vector<Entry> entries;
        QHash<QByteArray, int> exact; // host name -> entry
        QHash<QByteArray, int> upper; // host name upper-cased as 8-bit text -> entry
        QHash<QString, int> text;     // a non-ASCII host name as text, case-folded -> entry
        int match(std::string_view name) const;
    };
    struct Drive
    {
        bool known = false;
        QByteArray root; // empty: not mapped
        QByteArray real; // the root with every link resolved
    };

    Presence lookUp(std::string_view dosPath, Type type);
    Drive &drive(char letter);
    Folder &folder(const QByteArray &host);
    // realpath() of `host`, kept; empty when it has none (a dangling link).
    const QByteArray &realPath(const QByteArray &host);

    const DriveMap &m_drives;
    std::array<Drive, 26> m_drivesByLetter{};
    std::unordered_map<std::string, Folder> m_folders;
    std::unordered_map<std::string, QByteArray> m_realPaths;
    // The answers so far, by path as written and type: a file names the same
    // drivers and folders many times.
    std::array<std::unordered_map<std::string, Presence>, 2> m_answers;
};
