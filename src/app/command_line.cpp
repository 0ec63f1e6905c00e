// The command line of os2setup: its options, the file to read, and what the
// program does at start.
#include "app/command_line.h"

#include "app/version.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QHash>

#include <algorithm>
#include <cstdio>
#include <vector>

using Action = CommandLine::Action;

namespace {

const QString kProgram = QStringLiteral("os2setup");

// One option of the program: how it is written, what the usage text says of
// it, and what it does to the result. A new option is one more rule.
struct Rule
{
    QStringList names;
    QString valueName; // empty for an option without a value
    QString description;
    void (*apply)(CommandLine &result, const QStringList &values);
};

void fail(CommandLine &result, const QString &message)
{
    result.action = Action::Fail;
    result.text = kProgram + QStringLiteral(": ") + message + QStringLiteral(" Se «os2setup --help».\n");
}

QString usage();

// --check, --install-new, --restore and the tries' options each end the
// program with their own work: only one of them at a time.
void setTask(CommandLine &result, CommandLine::Action action, const char *option)
{
    if (result.action == Action::Check || result.action == Action::InstallNew || result.action == Action::Restore
        || result.action == Action::TryNew || result.action == Action::Tries || result.action == Action::Untry)
        return fail(result, QStringLiteral("«%1» kan ikke gis sammen med «--check», «--install-new», «--restore», "
                                           "«--try-new», «--tries» eller «--untry».")
                                .arg(QLatin1String(option)));
    result.action = action;
}

// The key of a try as given; one character, checked further when it is used.
void setKey(CommandLine &result, QString &to, const QString &value, const char *option)
{
    if (value.size() != 1)
        return fail(result, QStringLiteral("«%1 %2»: tasten er én bokstav A–Z eller ett siffer 4–9.")
                                .arg(QLatin1String(option), value));
    to = value;
}

// What only goes with some of the tasks.
void checkTogether(CommandLine &result)
{
    if (!result.key.isEmpty() && result.action != Action::TryNew && result.action != Action::InstallNew)
        return fail(result, QStringLiteral("«--key» gis bare sammen med «--try-new» eller «--install-new»."));
    if (result.inWindow
        && (result.action == Action::Tries || result.action == Action::Untry || !result.key.isEmpty()))
        return fail(result, QStringLiteral("«--window» gjelder bare «--install-new», «--restore» og «--try-new», "
                                           "uten «--key»."));
}

const std::vector<Rule> &rules()
{
    // In order of precedence: --help wins over --version, both over the rest.
    static const std::vector<Rule> table{
        {{QStringLiteral("h"), QStringLiteral("help")}, {}, QStringLiteral("Vis denne hjelpen og avslutt."),
         [](CommandLine &result, const QStringList &) {
             result.action = Action::ShowHelp;
             result.text = usage();
         }},
        {{QStringLiteral("v"), QStringLiteral("version")}, {}, QStringLiteral("Vis versjonen og avslutt."),
         [](CommandLine &result, const QStringList &) {
             result.action = Action::ShowVersion;
             result.text = kProgram + QStringLiteral(" " OS2SETUP_VERSION "\n");
         }},
        {{QStringLiteral("check")}, {},
         QStringLiteral("Sjekk at alt filen nevner, finnes på stasjonene, og avslutt."),
         [](CommandLine &result, const QStringList &) { result.action = Action::Check; }},
        {{QStringLiteral("install-new")}, {},
         QStringLiteral("Ta C:\\CONFIG.NEW i bruk som C:\\CONFIG.SYS, etter en kopi av den gamle, og avslutt."),
         [](CommandLine &result, const QStringList &) { setTask(result, Action::InstallNew, "--install-new"); }},
        {{QStringLiteral("restore")}, {},
         QStringLiteral("List kopiene av C:\\CONFIG.SYS å gå tilbake til; med et nummer N: legg kopi N på "
                        "plass. Avslutt så."),
         [](CommandLine &result, const QStringList &) { setTask(result, Action::Restore, "--restore"); }},
        {{QStringLiteral("try-new")}, {},
         QStringLiteral("Legg C:\\CONFIG.NEW inn som en prøve i OS/2s Alt+F1-meny, og avslutt; C:\\CONFIG.SYS "
                        "endres ikke."),
         [](CommandLine &result, const QStringList &) { setTask(result, Action::TryNew, "--try-new"); }},
        {{QStringLiteral("key")}, QStringLiteral("X"),
         QStringLiteral("Tasten til prøven: for --try-new den den skal få (ellers første ledige), for --install-new "
                        "prøven som tas i bruk i stedet for C:\\CONFIG.NEW."),
         [](CommandLine &result, const QStringList &values) { setKey(result, result.key, values.last(), "--key"); }},
        {{QStringLiteral("tries")}, {}, QStringLiteral("List prøvene i Alt+F1-menyen, og avslutt."),
         [](CommandLine &result, const QStringList &) { setTask(result, Action::Tries, "--tries"); }},
        {{QStringLiteral("untry")}, QStringLiteral("X"),
         QStringLiteral("Fjern prøven med tasten X fra Alt+F1-menyen (linjen og filen), og avslutt."),
         [](CommandLine &result, const QStringList &values) {
             setTask(result, Action::Untry, "--untry");
             if (result.action == Action::Untry)
                 setKey(result, result.untry, values.last(), "--untry");
         }},
        {{QStringLiteral("window")}, {},
         QStringLiteral("Gjør --install-new, --restore eller --try-new i vinduet i stedet for her."),
         [](CommandLine &result, const QStringList &) { result.inWindow = true; }},
        {{QStringLiteral("yes")}, {}, QStringLiteral("Ikke spør før --install-new, --restore eller --try-new skriver."),
         [](CommandLine &result, const QStringList &) { result.yes = true; }},
        {{QStringLiteral("force")}, {},
         QStringLiteral("Ta i bruk også når sjekken sier at OS/2 ikke vil starte med filen."),
         [](CommandLine &result, const QStringList &) { result.force = true; }},
        {{QStringLiteral("drive")}, QStringLiteral("X=MAPPE"),
         QStringLiteral("Stasjon X: er mappen MAPPE. Kan gis for flere stasjoner."),
         [](CommandLine &result, const QStringList &values) {
             for (const QString &value : values) {
                 const std::optional<DriveOption> drive = parseDriveOption(value);
                 if (!drive)
                     return fail(result, QStringLiteral("«--drive %1» er ikke på formen X=MAPPE "
                                                        "(en bokstav fra A til Z, =, mappen).")
                                             .arg(value));
                 result.drives.append(*drive);
             }
         }},
        {{QStringLiteral("boot-drive")}, QStringLiteral("X"),
         QStringLiteral("Sjekk filen som om OS/2 starter fra stasjon X:."),
         [](CommandLine &result, const QStringList &values) {
             const QString value = values.last();
             const QChar letter = value.isEmpty() ? QChar() : DriveMap::letter(value.at(0));
             if (letter.isNull() || (value.size() > 1 && value.mid(1) != QStringLiteral(":")))
                 return fail(result, QStringLiteral("«--boot-drive %1» er ingen stasjonsbokstav (en bokstav fra "
                                                    "A til Z).")
                                         .arg(value));
             result.bootDrive = letter;
         }},
        {{QStringLiteral("choose-drive")}, {},
         QStringLiteral("Spør etter mappen til stasjon C: ved start, også når den er kjent."),
         [](CommandLine &result, const QStringList &) { result.chooseDrive = true; }},
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
        if (!rule.valueName.isEmpty())
            text += u' ' + rule.valueName;
        return text;
    };
    qsizetype width = 0;
    for (const Rule &rule : rules())
        width = std::max(width, written(rule).size());

    QString text = QStringLiteral(
        "Bruk: os2setup [VALG] [FIL]\n"
        "      os2setup --check [VALG] [FIL]\n"
        "      os2setup --install-new [--yes] [--force] [VALG]\n"
        "      os2setup --restore [N] [--yes] [--force] [VALG]\n"
        "      os2setup --try-new [--key X] [--yes] [--force] [VALG]\n"
        "      os2setup --tries | --untry X | --install-new --key X [VALG]\n"
        "\n"
        "Redigerer CONFIG.SYS, oppstartsfilen til OS/2. FIL er filen som leses, som\n"
        "DOS-sti ('D:\\TEST\\CONFIG.SYS') eller som sti på denne maskinen; uten FIL,\n"
        "eller med flere, leses C:\\CONFIG.SYS. «Lagre» skriver C:\\CONFIG.NEW.\n"
        "\n"
        "Valg:\n");
    for (const Rule &rule : rules())
        text += QStringLiteral("  ") + written(rule).leftJustified(width + 2) + rule.description + u'\n';
    text += QStringLiteral(
        "\n"
        "Stasjon C: får mappen sin fra --drive C=MAPPE, ellers fra miljøvariabelen\n"
        "OS2SETUP_DRIVE_C, ellers fra mappen som ble valgt i stasjonsvelgeren. Andre\n"
        "stasjoner: fra --drive, ellers fra OS2SETUP_DRIVE_X (X er bokstaven).\n"
        "Qt-valg som -style STIL og -platform NAVN tas også imot.\n"
        "\n"
        "--check åpner intet vindu: det skriver én linje for hver fil eller mappe som en\n"
        "aktiv linje nevner, men som ikke er der OS/2 leter, og en siste linje med\n"
        "antallene. Hver linje sier hvor ille det er: «stopper oppstarten», «finner\n"
        "ikke», «advarsel» eller «ikke sjekket». Navn uten stasjon ligger på\n"
        "oppstartsstasjonen: den fra --boot-drive, ellers stasjonen til FIL, ellers\n"
        "stasjonen til \\OS2\\DLL på LIBPATH, ellers C:.\n"
        "Status 0: ingenting mangler (advarsler går an); 1: noe stopper oppstarten\n"
        "eller mangler; 2: filen eller en stasjon kan ikke leses.\n"
        "\n"
        "--install-new viser hva C:\\CONFIG.NEW endrer i C:\\CONFIG.SYS (som en unified\n"
        "diff) og sjekker den nye filen. Stopper noe oppstarten, avvises den uten\n"
        "--force. Etter et ja (eller --yes) kopieres C:\\CONFIG.SYS til første ledige\n"
        "C:\\CONFIG.nnn og til ~/.local/share/os2setup, og C:\\CONFIG.NEW legges på plass.\n"
        "--restore lister kopiene å gå tilbake til, nyeste først (CONFIG.nnn, kopiene\n"
        "i ~/.local/share/os2setup, CONFIG.BAK, OS/2s skrivebordsarkiver og\n"
        "\\OS2\\INSTALL\\CONFIG.SYS); «--restore N» legger kopi N på plass på samme måte.\n"
        "Status 0: gjort, eller ingenting å gjøre; 1: avvist (sjekken, eller nei til\n"
        "spørsmålet); 2: en fil kan ikke leses eller skrives.\n"
        "\n"
        "--try-new viser og sjekker C:\\CONFIG.NEW som --install-new, men lar\n"
        "C:\\CONFIG.SYS være: den kopieres til C:\\OS2\\BOOT\\CONFIG.X og får en linje i\n"
        "Alt+F1-menyen (C:\\OS2\\BOOT\\ALTF1BOT.SCR). Ved neste oppstart: trykk Alt+F1\n"
        "mens den lille hvite OS/2-boksen står øverst til venstre, og så X; OS/2\n"
        "starter da én gang med prøven. X er første ledige av A–Z og 4–9 (OS/2 bruker\n"
        "C, M, V, X, 1, 2 og 3 selv), eller den fra --key. --tries lister prøvene og om\n"
        "de er like C:\\CONFIG.NEW; «--install-new --key X» tar prøve X i bruk som\n"
        "C:\\CONFIG.SYS og fjerner den fra menyen; «--untry X» fjerner den (linjen, så\n"
        "filen). Linjer og filer som ikke er lagt inn av os2setup, endres aldri.\n"
        "ALTF1BOT.SCR er skrivebeskyttet fra OS/2: beskyttelsen tas av bare mens\n"
        "linjen skrives, og settes på igjen. Samme statuser som over.\n");
    return text;
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
        return QStringLiteral("ukjent valg «%1».").arg(writtenOption(arguments, parser.unknownOptionNames().first()));
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
            return QStringLiteral("valget «%1» mangler en verdi.").arg(written);
        if (!*option && assign >= 0)
            return QStringLiteral("valget «%1» tar ingen verdi.").arg(written);
    }
    return QStringLiteral("kommandolinjen kan ikke tolkes.");
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's options are written with one dash and whole words ("-style").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    std::vector<QCommandLineOption> options;
    for (const Rule &rule : rules())
        options.emplace_back(rule.names, rule.description, rule.valueName);
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
    if (!parser.parse(arguments)) {
        ValueTaking takesValue;
        for (const Rule &rule : rules())
            for (const QString &name : rule.names)
                takesValue.insert(name, !rule.valueName.isEmpty());
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
