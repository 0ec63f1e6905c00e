// The words of the check of the whole file: one line per finding, the
// summary, and the order the findings are shown in.
#include "engine/boot_check.h"

#include "engine/statement_check.h"
#include "platform/text8.h"

#include <QCoreApplication>

#include <algorithm>
#include <string>

namespace bootcheck {

QString describe(const Finding &finding, const Lines &lines)
{
    const QString what = finding.folder ? QCoreApplication::translate("Check", "mappen %1").arg(finding.what) : finding.what;
    const QString text = finding.line < lines.size()
                             ? QCoreApplication::translate("Check", "Linje %1: %2 – ")
                                   .arg(static_cast<int>(finding.line) + 1)
                                   .arg(text8::toDisplay(lines[finding.line]))
                             : QCoreApplication::translate("Check", "Linje 0: – ");
    switch (finding.reason) {
    case Reason::NotFound:
        break;
    case Reason::NoLibPath:
        return text + QCoreApplication::translate("Check", "stopper oppstarten: ingen LIBPATH");
    case Reason::Unmapped:
        return text + QCoreApplication::translate("Check", "ikke sjekket: stasjonen til %1 er ikke koblet til noen mappe").arg(what);
    case Reason::OutsideDrive:
        return text + QCoreApplication::translate("Check", "ikke sjekket: %1 fører ut av stasjonen %2:").arg(what, finding.drive);
    case Reason::NotAFileName: {
        const std::string word =
            finding.line < lines.size() ? text8::upper(statementWord(lines[finding.line])) : std::string("BASEDEV");
        return text + QCoreApplication::translate("Check", "ikke sjekket: %1 tar bare et filnavn").arg(text8::toDisplay(word));
    }
    case Reason::Unused:
        return text + QCoreApplication::translate("Check", "ikke sjekket: ubrukt: en senere linje gjelder");
    case Reason::UnknownStatement:
        return text + (finding.what.isEmpty() ? QCoreApplication::translate("Check", "OS/2 kjenner ikke setningen")
                                              : QCoreApplication::translate("Check", "OS/2 kjenner ikke setningen %1").arg(finding.what));
    case Reason::BadValue:
        return text + (finding.what.isEmpty() ? QCoreApplication::translate("Check", "OS/2 godtar ikke en tom verdi (%1)").arg(finding.expected)
                                              : QCoreApplication::translate("Check", "OS/2 godtar ikke verdien %1 (%2)").arg(finding.what, finding.expected));
    case Reason::Doubled:
        return text + QCoreApplication::translate("Check", "advarsel: %1 står to ganger").arg(what);
    }
    switch (finding.kind) {
    case Kind::StopsBoot:
        return text + QCoreApplication::translate("Check", "stopper oppstarten: finner ikke %1").arg(what);
    case Kind::Warning:
        return text + QCoreApplication::translate("Check", "advarsel: finner ikke %1").arg(what);
    case Kind::Missing:
    case Kind::Unchecked:
        break;
    }
    return text + QCoreApplication::translate("Check", "finner ikke %1").arg(what);
}

QString summary(const Report &report)
{
    const int warnings = report.count(Kind::Warning);
    return QCoreApplication::translate("Check", "%1 navn sjekket: %2 stopper oppstarten, %3 mangler, %4 %5, "
                                                "%6 ikke sjekket (oppstartsstasjon %7:)")
        .arg(report.checked)
        .arg(report.count(Kind::StopsBoot))
        .arg(report.count(Kind::Missing))
        .arg(warnings)
        .arg(warnings == 1 ? QCoreApplication::translate("Check", "advarsel")
                           : QCoreApplication::translate("Check", "advarsler"))
        .arg(report.count(Kind::Unchecked))
        .arg(report.bootDrive);
}

std::vector<Finding> worstFirst(std::vector<Finding> findings)
{
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding &a, const Finding &b) { return a.kind < b.kind; });
    return findings;
}

} // namespace bootcheck
