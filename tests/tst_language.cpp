// The language the program speaks, from the locale and from --language, and
// the translation files: complete, nothing obsolete, every placeholder kept.
#include "app/command_line.h"
#include "platform/language_choice.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

using uilanguage::Language;

namespace {

// One message of a .ts file.
struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "obsolete", "vanished" or empty
};

// The messages of `path`; an error text instead when the XML cannot be read.
QList<Message> readTs(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return {};
    }
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.append({context, {}, {}, {}});
        } else if (xml.name() == u"source" && !messages.isEmpty()) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == u"translation" && !messages.isEmpty()) {
            messages.last().type = xml.attributes().value(QStringLiteral("type")).toString();
            messages.last().translation = xml.readElementText();
        }
    }
    if (xml.hasError())
        *error = QStringLiteral("%1: line %2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
    return messages;
}

// The placeholders of `text` (%1 to %99, %n), sorted, each as often as it occurs.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d{1,2}|n)"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    found.sort();
    return found;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    // As glibc reads the language of messages: LC_ALL, LC_MESSAGES, LANG;
    // LANGUAGE first, unless the locale is C or POSIX.
    void fromEnvironment_data()
    {
        QTest::addColumn<QStringList>("variables"); // NAME=VALUE
        QTest::addColumn<Language>("language");
        QTest::newRow("nothing set") << QStringList{} << Language::Norwegian;
        QTest::newRow("C") << QStringList{"LANG=C"} << Language::Norwegian;
        QTest::newRow("C.UTF-8") << QStringList{"LANG=C.UTF-8"} << Language::Norwegian;
        QTest::newRow("POSIX") << QStringList{"LC_ALL=POSIX"} << Language::Norwegian;
        QTest::newRow("LANGUAGE ignored in C") << QStringList{"LANG=C.UTF-8", "LANGUAGE=de"} << Language::Norwegian;
        QTest::newRow("LANGUAGE alone, no locale") << QStringList{"LANGUAGE=de"} << Language::Norwegian;
        QTest::newRow("Bokmål") << QStringList{"LANG=nb_NO.UTF-8"} << Language::Norwegian;
        QTest::newRow("Nynorsk") << QStringList{"LANG=nn_NO.UTF-8"} << Language::Norwegian;
        QTest::newRow("no") << QStringList{"LANG=no_NO"} << Language::Norwegian;
        QTest::newRow("German") << QStringList{"LANG=de_DE.UTF-8"} << Language::German;
        QTest::newRow("German, Austria, modifier") << QStringList{"LANG=de_AT@euro"} << Language::German;
        QTest::newRow("English") << QStringList{"LANG=en_US.UTF-8"} << Language::English;
        QTest::newRow("another language") << QStringList{"LANG=fr_FR.UTF-8"} << Language::English;
        QTest::newRow("LC_ALL before LANG") << QStringList{"LANG=de_DE.UTF-8", "LC_ALL=nb_NO.UTF-8"} << Language::Norwegian;
        QTest::newRow("LC_ALL C before LANG") << QStringList{"LANG=de_DE.UTF-8", "LC_ALL=C"} << Language::Norwegian;
        QTest::newRow("LC_MESSAGES before LANG") << QStringList{"LANG=nb_NO.UTF-8", "LC_MESSAGES=de_DE.UTF-8"}
                                                 << Language::German;
        QTest::newRow("LC_ALL before LC_MESSAGES") << QStringList{"LC_MESSAGES=de_DE", "LC_ALL=en_GB"} << Language::English;
        QTest::newRow("an empty LC_ALL is unset") << QStringList{"LC_ALL=", "LANG=de_DE.UTF-8"} << Language::German;
        QTest::newRow("LANGUAGE before the locale") << QStringList{"LANG=nb_NO.UTF-8", "LANGUAGE=de_DE"} << Language::German;
        QTest::newRow("LANGUAGE, first one known") << QStringList{"LANG=en_US.UTF-8", "LANGUAGE=sv:nn:de"}
                                                   << Language::Norwegian;
        QTest::newRow("LANGUAGE of others only") << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=sv:fr"} << Language::English;
        QTest::newRow("an empty LANGUAGE is unset") << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE="} << Language::German;
    }
    void fromEnvironment()
    {
        QFETCH(QStringList, variables);
        QFETCH(Language, language);
        QProcessEnvironment environment;
        for (const QString &variable : variables)
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        QCOMPARE(uilanguage::fromEnvironment(environment), language);
    }

    void languageOption_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("given");
        QTest::addColumn<Language>("language");
        QTest::newRow("none") << QStringList{} << false << Language::Norwegian;
        QTest::newRow("en") << QStringList{"--language", "en"} << true << Language::English;
        QTest::newRow("DE, with =") << QStringList{"--language=DE", "--check"} << true << Language::German;
        QTest::newRow("nb") << QStringList{"--language", "nb"} << true << Language::Norwegian;
    }
    void languageOption()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, given);
        QFETCH(Language, language);
        const CommandLine result = parseCommandLine(QStringList{QStringLiteral("os2setup")} + arguments);
        QVERIFY(result.action != CommandLine::Action::Fail);
        QCOMPARE(result.language.has_value(), given);
        if (given)
            QCOMPARE(*result.language, language);
    }

    // The language is known also when --help wins or the command line is
    // wrong, so that the help and the error come in it.
    void languageBeforeAnythingElse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<Language>("language");
        QTest::newRow("help first") << QStringList{"--help", "--language", "en"} << CommandLine::Action::ShowHelp
                                    << Language::English;
        QTest::newRow("version") << QStringList{"--language=de", "-v"} << CommandLine::Action::ShowVersion
                                 << Language::German;
        QTest::newRow("unknown option") << QStringList{"--nope", "--language", "de"} << CommandLine::Action::Fail
                                        << Language::German;
        QTest::newRow("bad drive") << QStringList{"--drive", "x", "--language", "en"} << CommandLine::Action::Fail
                                   << Language::English;
    }
    void languageBeforeAnythingElse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine::Action, action);
        QFETCH(Language, language);
        const CommandLine result = parseCommandLine(QStringList{QStringLiteral("os2setup")} + arguments);
        QCOMPARE(result.action, action);
        QVERIFY(result.language.has_value());
        QCOMPARE(*result.language, language);
    }

    // A language the program does not have is a wrong command line (status 2).
    void unknownLanguage()
    {
        for (const QString &code : {QStringLiteral("fr"), QStringLiteral("nn"), QString()}) {
            const CommandLine result = parseCommandLine({QStringLiteral("os2setup"), QStringLiteral("--language"), code});
            QCOMPARE(result.action, CommandLine::Action::Fail);
            QCOMPARE(result.text, QStringLiteral("os2setup: «--language %1»: språket er nb, en eller de. "
                                                 "Se «os2setup --help».\n")
                                      .arg(code));
            QCOMPARE(finishWithoutWindow(result), 2);
        }
    }

    // The built program: the locale or --language choose the language of its
    // help and its check; the C locale keeps the Norwegian texts.
    void programSpeaksTheLanguage_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("out");
        QTest::newRow("C") << "C.UTF-8" << QStringList{"--help"} << "Bruk: os2setup [VALG] [FIL]\n";
        QTest::newRow("Bokmål") << "nb_NO.UTF-8" << QStringList{"--help"} << "Bruk: os2setup [VALG] [FIL]\n";
        QTest::newRow("German locale") << "de_DE.UTF-8" << QStringList{"--help"} << "Aufruf: os2setup [OPTIONEN] [DATEI]\n";
        QTest::newRow("--language over the locale") << "de_DE.UTF-8" << QStringList{"--language", "en", "--help"}
                                                    << "Usage: os2setup [OPTIONS] [FILE]\n";
        QTest::newRow("check, English") << "fr_FR.UTF-8" << QStringList{"--check"}
                                        << "98 names checked: 0 stop the boot, 0 missing, 0 warnings, 0 not checked "
                                           "(boot drive C:)\n";
        QTest::newRow("check, German") << "C.UTF-8" << QStringList{"--check", "--language", "de"}
                                       << "98 Namen geprüft: 0 verhindern den Start, 0 fehlen, 0 Warnungen, 0 nicht "
                                          "geprüft (Startlaufwerk C:)\n";
    }
    void programSpeaksTheLanguage()
    {
        QFETCH(QString, lang);
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("LANG"), lang);
        environment.insert(QStringLiteral("HOME"), QDir::tempPath());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QDir::tempPath() + QStringLiteral("/os2setup-no-config"));
        environment.insert(QStringLiteral("OS2SETUP_DRIVE_C"), QStringLiteral(OS2SETUP_EXAMPLE_DRIVE));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(OS2SETUP_BINARY), arguments);
        QVERIFY(program.waitForFinished(-1));
        QCOMPARE(program.exitCode(), 0);
        const QString stdOut = QString::fromUtf8(program.readAllStandardOutput());
        QVERIFY2(arguments.contains(u"--help") ? stdOut.startsWith(out) : stdOut.endsWith(out), qPrintable(stdOut));
    }

    void translationFiles_data()
    {
        QTest::addColumn<QString>("path");
        const QDir folder(QStringLiteral(OS2SETUP_TRANSLATIONS));
        for (const QString &name : folder.entryList({QStringLiteral("os2setup_*.ts")}, QDir::Files))
            QTest::newRow(qPrintable(name)) << folder.filePath(name);
    }
    // Every message translated, none left over from texts the code no longer
    // has, and every placeholder of the source in the translation, as often.
    void translationFiles()
    {
        QFETCH(QString, path);
        QString error;
        const QList<Message> messages = readTs(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!messages.isEmpty());
        QStringList faults;
        for (const Message &m : messages) {
            const QString where = m.context + QStringLiteral(": «") + m.source.left(60) + QStringLiteral("»");
            if (m.type == u"obsolete" || m.type == u"vanished")
                faults << QStringLiteral("obsolete: ") + where;
            else if (m.type == u"unfinished" || m.translation.isEmpty())
                faults << QStringLiteral("unfinished: ") + where;
            else if (placeholders(m.source) != placeholders(m.translation))
                faults << QStringLiteral("placeholders %1 → %2: ")
                              .arg(placeholders(m.source).join(u' '), placeholders(m.translation).join(u' '))
                              + where;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
