// The command line of os2setup: its options, the file to read, and what the
// program does at start.
#include "app/command_line.h"

#include "app/version.h"

#include "app/command_line_help.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <cstdio>
#include <vector>

using Action = CommandLine::Action;

namespace {

const QString kProgram = QStringLiteral("os2setup");

// One option of the program: how it is written, what the usage text says of
// it, and what it does to the result. A new option is one more rule. The
// value's name and the description are source texts, translated when the
// usage is written.
struct Rule
{
    QStringList names;
    const char *valueName; // empty for an option without a value
    const char *description;
    void (*apply)(CommandLine &result, const QStringList &values);
};

void fail(CommandLine &result, const QString &message)
{
    result.action = Action::Fail;
    result.text = kProgram + QStringLiteral(": ")
                  + QCoreApplication::translate("CommandLine", "%1 Se «os2setup --help».").arg(message) + u'\n';
}

QString usage();

// --check, --install-new, --restore and the tries' options each end the
// program with their own work: only one of them at a time.
void setTask(CommandLine &result, CommandLine::Action action, const char *option)
{
    if (result.action == Action::Check || result.action == Action::InstallNew || result.action == Action::Restore
        || result.action == Action::TryNew || result.action == Action::Tries || result.action == Action::Untry)
        return fail(result, QCoreApplication::translate("CommandLine", "«%1» kan ikke gis sammen med «--check», «--install-new», «--restore», "
                                           "«--try-new», «--tries» eller «--untry».")
                                .arg(QLatin1String(option)));
    result.action = action;
}

// The key of a try as given; one character, checked further when it is used.
void setKey(CommandLine &result, QString &to, const QString &value, const char *option)
{
    if (value.size() != 1)
        return fail(result, QCoreApplication::translate("CommandLine", "«%1 %2»: tasten er én bokstav A–Z eller ett siffer 4–9.")
                                .arg(QLatin1String(option), value));
    to = value;
}

// What only goes with some of the tasks.
void checkTogether(CommandLine &result)
{
    if (!result.key.isEmpty() && result.action != Action::TryNew && result.action != Action::InstallNew)
        return fail(result, QCoreApplication::translate("CommandLine", "«--key» gis bare sammen med «--try-new» eller «--install-new»."));
    if (result.inWindow
        && (result.action == Action::Tries || result.action == Action::Untry || !result.key.isEmpty()))
        return fail(result, QCoreApplication::translate("CommandLine", "«--window» gjelder bare «--install-new», «--restore» og «--try-new», "
                                           "uten «--key»."));
}

const std::vector<Rule> &rules()
{
    // In order of precedence: --help wins over --version, both over the rest.
    static const std::vector<Rule> table{
        {{QStringLiteral("h"), QStringLiteral("help")}, "", QT_TRANSLATE_NOOP("CommandLine", "Vis denne hjelpen og avslutt."),
         [](CommandLine &result, const QStringList &) {
             result.action = Action::ShowHelp;
             result.text = usage();
         }},
        {{QStringLiteral("v"), QStringLiteral("version")}, "", QT_TRANSLATE_NOOP("CommandLine", "Vis versjonen og avslutt."),
         [](CommandLine &result, const QStringList &) {
             result.action = Action::ShowVersion;
             result.text = kProgram + QStringLiteral(" " OS2SETUP_VERSION "\n");
         }},
        {{QStringLiteral("check")}, "",
         QT_TRANSLATE_NOOP("CommandLine", "Sjekk at alt filen nevner, finnes på stasjonene, og avslutt."),
         [](CommandLine &result, const QStringList &) { result.action = Action::Check; }},
        {{QStringLiteral("install-new")}, "",
         QT_TRANSLATE_NOOP("CommandLine", "Ta C:\\CONFIG.NEW i bruk som C:\\CONFIG.SYS, etter en kopi av den gamle, og avslutt."),
         [](CommandLine &result, const QStringList &) { setTask(result, Action::InstallNew, "--install-new"); }},
        {{QStringLiteral("restore")}, "",
         QT_TRANSLATE_NOOP("CommandLine", "List kopiene av C:\\CONFIG.SYS å gå tilbake til; med et nummer N: legg kopi N på "
                        "plass. Avslutt så."),
         [](CommandLine &result, const QStringList &) { setTask(result, Action::Restore, "--restore"); }},
        {{QStringLiteral("try-new")}, "",
         QT_TRANSLATE_NOOP("CommandLine", "Legg C:\\CONFIG.NEW inn som en prøve i OS/2s Alt+F1-meny, og avslutt; C:\\CONFIG.SYS "
                        "endres ikke."),
         [](CommandLine &result, const QStringList &) { setTask(result, Action::TryNew, "--try-new"); }},
        {{QStringLiteral("key")}, "X",
         QT_TRANSLATE_NOOP("CommandLine", "Tasten til prøven: for --try-new den den skal få (ellers første ledige), for --install-new "
                        "prøven som tas i bruk i stedet for C:\\CONFIG.NEW."),
         [](CommandLine &result, const QStringList &values) { setKey(result, result.key, values.last(), "--key"); }},
        {{QStringLiteral("tries")}, "", QT_TRANSLATE_NOOP("CommandLine", "List prøvene i Alt+F1-menyen, og avslutt."),
         [](CommandLine &result, const QStringList &) { setTask(result, Action::Tries, "--tries"); }},
        {{QStringLiteral("untry")}, "X",
         QT_TRANSLATE_NOOP("CommandLine", "Fjern prøven med tasten X fra Alt+F1-menyen (linjen og filen), og avslutt."),
         [](CommandLine &result, const QStringList &values) {
             setTask(result, Action::Untry, "--untry");
             if (result.action == Action::Untry)
                 setKey(result, result.untry, values.last(), "--untry");
         }},
        {{QStringLiteral("window")}, "",
         QT_TRANSLATE_NOOP("CommandLine", "Gjør --install-new, --restore eller --try-new i vinduet i stedet for her."),
         [](CommandLine &result, const QStringList &) { result.inWindow = true; }},
        {{QStringLiteral("yes")}, "", QT_TRANSLATE_NOOP("CommandLine", "Ikke spør før --install-new, --restore eller --try-new skriver."),
         [](CommandLine &result, const QStringList &) { result.yes = true; }},
        {{QStringLiteral("force")}, "",
         QT_TRANSLATE_NOOP("CommandLine", "Ta i bruk også når sjekken sier at OS/2 ikke vil starte med filen."),
         [](CommandLine &result, const QStringList &) { result.force = true; }},
        {{QStringLiteral("drive")}, QT_TRANSLATE_NOOP("CommandLine", "X=MAPPE"),
         QT_TRANSLATE_NOOP("CommandLine", "Stasjon X: er mappen MAPPE. Kan gis for flere stasjoner."),
         [](CommandLine &result, const QStringList &values) {
             for (const QString &value : values) {
                 const std::optional<DriveOption> drive = parseDriveOption(value);
                 if (!drive)
                     return fail(result, QCoreApplication::translate("CommandLine", "«--drive %1» er ikke på formen X=MAPPE "
                                                        "(en bokstav fra A til Z, =, mappen).")
                                             .arg(value));
                 result.drives.append(*drive);
             }
         }},
        {{QStringLiteral("boot-drive")}, "X",
         QT_TRANSLATE_NOOP("CommandLine", "Sjekk filen som om OS/2 starter fra stasjon X:."),
         [](CommandLine &result, const QStringList &values) {
             const QString value = values.last();
             const QChar letter = value.isEmpty() ? QChar() : DriveMap::letter(value.at(0));
             if (letter.isNull() || (value.size() > 1 && value.mid(1) != QStringLiteral(":")))
                 return fail(result, QCoreApplication::translate("CommandLine", "«--boot-drive %1» er ingen stasjonsbokstav (en bokstav fra "
                                                    "A til Z).")
                                         .arg(value));
             result.bootDrive = letter;
         }},
        {{QStringLiteral("choose-drive")}, "",
         QT_TRANSLATE_NOOP("CommandLine", "Spør etter mappen til stasjon C: ved start, også når den er kjent."),
         [](CommandLine &result, const QStringList &) { result.chooseDrive = true; }},
        {{QStringLiteral("language")}, QT_TRANSLATE_NOOP("CommandLine", "KODE"),
         QT_TRANSLATE_NOOP("CommandLine", "Språket: KODE er nb (norsk), en (engelsk) eller de (tysk). Uten valget: "
                                          "språket til miljøet (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)."),
         [](CommandLine &result, const QStringList &values) {
             result.language = uilanguage::fromCode(values.last());
             if (!result.language)
                 return fail(result, QCoreApplication::translate("CommandLine", "«--language %1»: språket er nb, "
                                                                                "en eller de.")
                                         .arg(values.last()));
         }},
    };
    return table;
}

// The options that the toolkit takes out of the command line itself (Qt 6 on
// Linux: QCoreApplication, QGuiApplication, QApplication and the xcb platform),
// written with one dash or two. Which of them the toolkit removes depends on
// the platform (-geometry, -title and -icon only where xcb is the first one
// named, -display and -name only on xcb), so all of them are known here and
// never taken for a file or an unknown option.
struct ToolkitOption
{
    const char *name;
    bool takesValue;
};
constexpr ToolkitOption kToolkitOptions[] = {
    {"platform", true},     {"platformpluginpath", true}, {"platformtheme", true}, {"qwindowgeometry", true},
    {"qwindowtitle", true}, {"qwindowicon", true},        {"geometry", true},      {"title", true},
    {"icon", true},         {"plugin", true},             {"session", true},       {"reverse", false},
    {"testability", false}, {"style", true},              {"stylesheet", true},    {"widgetcount", false},
    {"qdevel", false},      {"qdebug", false},            {"qmljsdebugger", true}, {"display", true},
    {"name", true},         {"visual", true},             {"nograb", false},       {"dograb", false},
};

QString usage()
{
    const auto written = [](const Rule &rule) {
        QStringList forms;
        for (const QString &name : rule.names)
            forms << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString text = forms.join(QStringLiteral(", "));
        if (rule.names.first().size() != 1)
            text.prepend(QStringLiteral("    "));
        if (*rule.valueName)
            text += u' ' + QCoreApplication::translate("CommandLine", rule.valueName);
        return text;
    };
    qsizetype width = 0;
    for (const Rule &rule : rules())
        width = std::max(width, written(rule).size());

    QString text = usageHead();
    for (const Rule &rule : rules())
        text += QStringLiteral("  ") + written(rule).leftJustified(width + 2)
                + QCoreApplication::translate("CommandLine", rule.description) + u'\n';
    return text + usageTail();
}

// The argument as the user wrote it that names option `name`.
QString writtenOption(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QStringLiteral("--"))
            break;
        QString bare = argument.section(u'=', 0, 0);
        while (bare.startsWith(u'-'))
            bare.remove(0, 1);
        if (argument.startsWith(u'-') && bare == name)
            return argument.section(u'=', 0, 0);
    }
    return QStringLiteral("--") + name;
}

// Whether each option the program knows takes a value, by its name.
using ValueTaking = QHash<QString, bool>;

// The parser's own error in Norwegian, as one line. QCommandLineParser tells
// its other errors only as English text (the command line is parsed before
// the application, and so any translation, exists), and says of no error
// which kind it is; so the arguments are walked here as it walks them: "--"
// ends the options, an option that takes a value takes "=value" or the next
// argument, one that takes none must have no "=value".
QString parseError(const QCommandLineParser &parser, const QStringList &arguments, const ValueTaking &options)
{
    if (!parser.unknownOptionNames().isEmpty())
        return QCoreApplication::translate("CommandLine", "ukjent valg «%1».").arg(writtenOption(arguments, parser.unknownOptionNames().first()));
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QStringLiteral("--"))
            break;
        if (!argument.startsWith(u'-') || argument == QStringLiteral("-"))
            continue;
        const qsizetype assign = argument.indexOf(u'=');
        const QString written = assign < 0 ? argument : argument.left(assign);
        const auto option = options.constFind(written.mid(written.startsWith(QStringLiteral("--")) ? 2 : 1));
        if (option == options.constEnd())
            continue;
        if (*option && assign < 0 && ++i == arguments.size())
            return QCoreApplication::translate("CommandLine", "valget «%1» mangler en verdi.").arg(written);
        if (!*option && assign >= 0)
            return QCoreApplication::translate("CommandLine", "valget «%1» tar ingen verdi.").arg(written);
    }
    return QCoreApplication::translate("CommandLine", "kommandolinjen kan ikke tolkes.");
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's options are written with one dash and whole words ("-style").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    std::vector<QCommandLineOption> options;
    for (const Rule &rule : rules())
        options.emplace_back(rule.names, QString::fromUtf8(rule.description), QString::fromUtf8(rule.valueName));
    for (const ToolkitOption &toolkit : kToolkitOptions) {
        QCommandLineOption option(QString::fromLatin1(toolkit.name));
        if (toolkit.takesValue)
            option.setValueName(QStringLiteral("X"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QCommandLineOption &option : options)
        parser.addOption(option);

    CommandLine result;
    const bool parsed = parser.parse(arguments);
    // The language before anything else, so that --help and an error come in
    // it too; a wrong value is an error of its own further down.
    for (std::size_t i = 0; i < options.size(); ++i)
        if (rules()[i].names.first() == u"language" && parser.isSet(options[i]))
            result.language = uilanguage::fromCode(parser.values(options[i]).last());
    if (!parsed) {
        ValueTaking takesValue;
        for (const Rule &rule : rules())
            for (const QString &name : rule.names)
                takesValue.insert(name, *rule.valueName != 0);
        for (const ToolkitOption &toolkit : kToolkitOptions)
            takesValue.insert(QString::fromLatin1(toolkit.name), toolkit.takesValue);
        fail(result, parseError(parser, arguments, takesValue));
        return result;
    }
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (!parser.isSet(options[i]))
            continue;
        rules()[i].apply(result, parser.values(options[i]));
        if (result.action == Action::ShowHelp || result.action == Action::ShowVersion || result.action == Action::Fail)
            return result;
    }
    checkTogether(result);
    result.files = parser.positionalArguments();
    return result;
}

QStringList commandLineArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int finishWithoutWindow(const CommandLine &commandLine)
{
    const bool failed = commandLine.action == Action::Fail;
    std::FILE *out = failed ? stderr : stdout;
    std::fputs(commandLine.text.toLocal8Bit().constData(), out);
    std::fflush(out);
    return failed ? 2 : 0;
}

QString configFileFrom(const QStringList &files)
{
    return files.size() == 1 ? files.first() : QStringLiteral("C:\\CONFIG.SYS");
}

DriveMap drivesOf(const CommandLine &commandLine, const QProcessEnvironment &environment, const QSettings &settings)
{
    return assembleDriveMap(commandLine.drives, environment, rememberedDriveC(settings));
}

void printLine(std::FILE *to, const QString &line)
{
    std::fputs((line + u'\n').toLocal8Bit().constData(), to);
}
