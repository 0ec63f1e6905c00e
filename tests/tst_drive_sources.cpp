// Where the drives' folders come from: the option, the variable, the folder
// remembered for C:, and the settings file that keeps it.
#include "platform/drive_sources.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using Origin = DriveMap::Origin;

class TestDriveSources : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;

private slots:
    void initTestCase()
    {
        // Never the user's own settings: QSettings looks here from its first use.
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    }

    void order_data()
    {
        QTest::addColumn<QStringList>("options"); // "X=FOLDER"
        QTest::addColumn<QStringList>("variables"); // "X=FOLDER"
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<Origin>("origin");
        const QStringList none;
        QTest::newRow("C: option over variable and remembered")
            << QStringList{"C=/opt"} << QStringList{"C=/var"} << "/rem" << QChar('C') << "/opt" << Origin::Option;
        QTest::newRow("C: variable over remembered")
            << none << QStringList{"C=/var"} << "/rem" << QChar('C') << "/var" << Origin::Variable;
        QTest::newRow("C: remembered last") << none << none << "/rem" << QChar('C') << "/rem" << Origin::Remembered;
        QTest::newRow("C: nothing") << none << none << "" << QChar('C') << "" << Origin::None;
        QTest::newRow("C: the last option counts")
            << QStringList{"C=/one", "C=/two"} << none << "" << QChar('C') << "/two" << Origin::Option;
        QTest::newRow("D: option over variable")
            << QStringList{"D=/opt"} << QStringList{"D=/var"} << "/rem" << QChar('D') << "/opt" << Origin::Option;
        QTest::newRow("D: variable") << QStringList{"C=/opt"} << QStringList{"D=/var"} << "/rem" << QChar('D')
                                     << "/var" << Origin::Variable;
        QTest::newRow("D: never the remembered folder")
            << none << none << "/rem" << QChar('D') << "" << Origin::None;
    }
    void order()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, variables);
        QFETCH(QString, remembered);
        QFETCH(QChar, letter);
        QFETCH(QString, folder);
        QFETCH(Origin, origin);
        QList<DriveOption> parsed;
        for (const QString &option : options)
            parsed << parseDriveOption(option).value();
        QProcessEnvironment environment;
        for (const QString &variable : variables)
            environment.insert(DriveMap::variableFor(variable.at(0)), variable.mid(2));
        const DriveMap map = assembleDriveMap(parsed, environment, remembered);
        QCOMPARE(map.drive(letter), folder);
        QCOMPARE(map.origin(letter), origin);
    }

    void rememberedFolderSurvivesARestart()
    {
        const QString file = m_config.filePath("test.conf");
        {
            QSettings settings(file, QSettings::IniFormat);
            QCOMPARE(rememberedDriveC(settings), QString());
            rememberDriveC(settings, "/mnt/os2 partisjon", "1C2B-3A4D");
        }
        QSettings again(file, QSettings::IniFormat);
        QCOMPARE(rememberedDriveC(again), QStringLiteral("/mnt/os2 partisjon"));
        QCOMPARE(rememberedPartitionC(again), QStringLiteral("1C2B-3A4D"));
        // A folder picked by hand forgets the partition chosen before it.
        rememberDriveC(again, "/srv/os2-kopi");
        QCOMPARE(rememberedPartitionC(again), QString());
    }

    // The program's settings: under XDG_CONFIG_HOME, as its manual page says.
    void settingsFileOfTheProgram()
    {
        QSettings settings(QStringLiteral("os2setup"), QStringLiteral("os2setup"));
        QCOMPARE(settings.fileName(), m_config.filePath("os2setup/os2setup.conf"));
    }
};

QTEST_GUILESS_MAIN(TestDriveSources)
#include "tst_drive_sources.moc"
