// "Will it boot?": whether every file and folder that the active statements of
// a CONFIG.SYS name exists on the mapped drives.
#include "engine/boot_check.h"

#include "platform/file_error.h"
#include "platform/line_file.h"
#include "platform/text8.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <string_view>

namespace bootcheck {
namespace {

enum class Names {
    Driver,     // BASEDEV=: a bare name is a base driver
    File,       // a file name before the first blank
    Folders,    // folders separated by ';', all needed
    SearchPath, // folders separated by ';', a missing one is only a warning
};

struct Statement
{
    std::string_view key; // upper case, with its "="
    Names names;
};

constexpr std::array<Statement, 12> kStatements = {{
    {"BASEDEV=", Names::Driver},
    {"DEVICE=", Names::File},
    {"IFS=", Names::File},
    {"RUN=", Names::File},
    {"CALL=", Names::File},
    {"PROTSHELL=", Names::File},
    {"SHELL=", Names::File},
    {"SET RUNWORKPLACE=", Names::File},
    {"SET OS2_SHELL=", Names::File},
    {"LIBPATH=", Names::Folders},
    {"SET PATH=", Names::SearchPath},
    {"SET DPATH=", Names::SearchPath},
}};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// A trimmed line commented out: REM as its first word, in any letter case.
bool isRemark(std::string_view line)
{
    return text8::startsWithUpper(line, "REM") && (line.size() == 3 || isBlank(line[3]));
}

bool hasDrive(const QString &name)
{
    return name.size() >= 2 && name.at(1) == u':';
}

// The DOS path of a name as OS/2 reads it at start: a name without a drive
// lies on the boot drive, from its root.
QString onBootDrive(const QString &name)
{
    if (hasDrive(name))
        return name;
    return name.startsWith(u'\\') ? QStringLiteral("C:") + name : QStringLiteral("C:\\") + name;
}

enum class Found { Yes, No, Unmapped };

Found look(const DriveMap &drives, const QString &dosPath, bool folder)
{
    QString host;
    try {
        host = drives.resolve(dosPath);
    } catch (const FileError &) {
        return Found::Unmapped;
    }
    const QFileInfo info(host);
    return (folder ? info.isDir() : info.isFile()) ? Found::Yes : Found::No;
}

class Checker
{
public:
    Checker(const DriveMap &drives, Report &report)
        : m_drives(drives)
        , m_report(report)
    {
    }

    void file(LinePos line, const QString &name, bool driver)
    {
        if (name.isEmpty())
            return;
        ++m_report.checked;
        const bool bare = !name.contains(u'\\') && !name.contains(u'/') && !hasDrive(name);
        Found found = look(m_drives, onBootDrive(name), false);
        if (found == Found::No && driver && bare)
            found = look(m_drives, QStringLiteral("C:\\OS2\\BOOT\\") + name, false);
        add(line, name, found, Kind::Missing, false);
    }

    void folders(LinePos line, std::string_view list, Kind ifMissing)
    {
        std::size_t start = 0;
        while (start <= list.size()) {
            std::size_t end = list.find(';', start);
            if (end == std::string_view::npos)
                end = list.size();
            const std::string_view folder = trimmed(list.substr(start, end - start));
            start = end + 1;
            // "." is the current folder of whoever runs the program, not a place.
            if (folder.empty() || folder == "." || folder == ".\\")
                continue;
            ++m_report.checked;
            const QString name = text8::toDisplay(folder);
            add(line, name, look(m_drives, onBootDrive(name), true), ifMissing, true);
        }
    }

private:
    void add(LinePos line, const QString &name, Found found, Kind ifMissing, bool folder)
    {
        if (found == Found::Yes)
            return;
        m_report.findings.push_back({line, found == Found::Unmapped ? Kind::Unchecked : ifMissing, name, folder});
    }

    const DriveMap &m_drives;
    Report &m_report;
};

} // namespace

int Report::count(Kind kind) const
{
    return int(std::count_if(findings.begin(), findings.end(), [kind](const Finding &f) { return f.kind == kind; }));
}

Report checkDocument(const Lines &lines, const DriveMap &drives)
{
    Report report;
    Checker check(drives, report);
    const std::size_t n = std::min(lines.size(), MaxDocumentLines);
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view line = trimmed(lines[i]);
        if (isRemark(line))
            continue;
        for (const Statement &statement : kStatements) {
            if (!text8::startsWithUpper(line, statement.key))
                continue;
            const std::string_view value = trimmed(line.substr(statement.key.size()));
            const auto pos = static_cast<LinePos>(i);
            if (statement.names == Names::Folders)
                check.folders(pos, value, Kind::Missing);
            else if (statement.names == Names::SearchPath)
                check.folders(pos, value, Kind::Warning);
            else
                check.file(pos, text8::toDisplay(value.substr(0, value.find_first_of(" \t"))),
                           statement.names == Names::Driver);
            break;
        }
    }
    return report;
}

QString describe(const Finding &finding, const Lines &lines)
{
    const QString line = finding.line < lines.size() ? text8::toDisplay(lines[finding.line]) : QString();
    const QString what = (finding.folder ? QStringLiteral("mappen ") : QString()) + finding.what;
    QString text = QStringLiteral("Linje %1: %2 – ").arg(int(finding.line) + 1).arg(line);
    switch (finding.kind) {
    case Kind::Missing:
        return text + QStringLiteral("finner ikke ") + what;
    case Kind::Warning:
        return text + QStringLiteral("advarsel: finner ikke ") + what;
    case Kind::Unchecked:
        break;
    }
    return text + QStringLiteral("ikke sjekket: stasjonen til %1 er ikke koblet til noen mappe").arg(what);
}

QString summary(const Report &report)
{
    const int warnings = report.count(Kind::Warning);
    return QStringLiteral("%1 navn sjekket: %2 mangler, %3 %4, %5 ikke sjekket")
        .arg(report.checked)
        .arg(report.count(Kind::Missing))
        .arg(warnings)
        .arg(warnings == 1 ? QStringLiteral("advarsel") : QStringLiteral("advarsler"))
        .arg(report.count(Kind::Unchecked));
}

} // namespace bootcheck
