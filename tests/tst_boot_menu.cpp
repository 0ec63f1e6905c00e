// OS/2's recovery menu: the keys its files offer, the line a try adds to
// ALTF1BOT.SCR and takes away again, and reading the menu files.
#include "engine/boot_menu.h"
#include "platform/boot_menu_files.h"
#include "platform/file_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace bootmenu;

namespace {

const QDate kDay(2024, 5, 17);

std::string bytesOf(const QByteArray &b)
{
    return b.toStdString();
}

QStringList keysOf(const std::vector<Try> &found)
{
    QStringList out;
    for (const Try &t : found)
        out << QStringLiteral("%1@%2").arg(QChar::fromLatin1(t.key)).arg(t.line.number);
    return out;
}

} // namespace

class TestBootMenu : public QObject
{
    Q_OBJECT

private slots:
    // The line goes right after the last menu line, in its shape and with
    // the file's line end; taking it away gives back every byte.
    void addAndRemove_data()
    {
        QTest::addColumn<QByteArray>("menu");
        QTest::addColumn<QByteArray>("added");
        const QByteArray ours = "Start med CONFIG.K (ny CONFIG.SYS fra os2setup 2024-05-17)";
        QTest::newRow("CR LF, menu lines, a line after them")
            << QByteArray("Choices:\r\n   V - Reset video\r\n   X - Other\r\n\r\nPress Esc\r\n")
            << "Choices:\r\n   V - Reset video\r\n   X - Other\r\n   K - " + ours + "\r\n\r\nPress Esc\r\n";
        QTest::newRow("LF only") << QByteArray("  V) Reset\n  X) Other\n")
                                 << "  V) Reset\n  X) Other\n  K) " + ours + "\n";
        QTest::newRow("brackets, tab") << QByteArray("\t[Z] Mine\r\n") << "\t[Z] Mine\r\n\t[K] " + ours + "\r\n";
        QTest::newRow("no line end after the last menu line")
            << QByteArray("Head\r\n V - Video") << "Head\r\n K - " + ours + "\r\n V - Video";
        QTest::newRow("no menu line, no final line end")
            << QByteArray("Head\nPress Esc") << "Head\n    K - " + ours + "\nPress Esc";
        QTest::newRow("Ctrl-Z after the last line end")
            << QByteArray("X - Other\r\n\x1A") << "X - Other\r\nK - " + ours + "\r\n\x1A";
        QTest::newRow("Ctrl-Z right after the text, a menu line after it")
            << QByteArray("Press Esc\x1AV - hidden\r\n") << "    K - " + ours + "\r\nPress Esc\x1AV - hidden\r\n";
        QTest::newRow("empty") << QByteArray() << "    K - " + ours + "\r\n";
        QTest::newRow("user lines that name keys and os2setup")
            << QByteArray("Press A to start, B to stop\r\nI am not a choice\r\n"
                          "L - CONFIG.L made by os2setup 2024-05-17 by hand\r\n")
            << "Press A to start, B to stop\r\nI am not a choice\r\n"
               "L - CONFIG.L made by os2setup 2024-05-17 by hand\r\nK - " + ours + "\r\n";
    }
    void addAndRemove()
    {
        QFETCH(QByteArray, menu);
        QFETCH(QByteArray, added);
        const std::string m = bytesOf(menu);
        QCOMPARE(keyState('K', {m}, {}), KeyState::Free);
        const std::string with = withTry(m, 'K', kDay);
        QCOMPARE(QByteArray::fromStdString(with), added);
        const std::vector<Try> found = tries(with);
        QCOMPARE(found.size(), std::size_t(1));
        QCOMPARE(found[0].key, 'K');
        QCOMPARE(found[0].date, kDay);
        QCOMPARE(keyState('K', {with}, {}), KeyState::HasMenuLine);
        const std::optional<std::string> back = withoutTry(with, 'k');
        QVERIFY(back);
        QCOMPARE(QByteArray::fromStdString(*back), menu);
    }

    // Two tries, taken away in either order, leave the file as it was; so do
    // a try added to a file that holds one already.
    void twoTries()
    {
        for (const char *text : {"Head\r\n V - Video", "Head\n", "A - x\r\n\x1A", ""}) {
            const std::string m(text);
            const std::string one = withTry(m, 'K', kDay);
            const std::string two = withTry(one, 'L', kDay.addDays(3));
            QCOMPARE(tries(two).size(), std::size_t(2));
            QCOMPARE(withoutTry(*withoutTry(two, 'K'), 'L'), m);
            QCOMPARE(withoutTry(*withoutTry(two, 'L'), 'K'), m);
            QCOMPARE(withoutTry(two, 'L'), one);
        }
    }

    // Only a line exactly as a try writes it is one: a look-alike is the
    // user's, never listed and never taken away.
    void notATry_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("another text") << QByteArray("K - Start med CONFIG.K (min egen)");
        QTest::newRow("key and file differ") << QByteArray("K - Start med CONFIG.L (ny CONFIG.SYS fra os2setup 2024-05-17)");
        QTest::newRow("no such date") << QByteArray("K - Start med CONFIG.K (ny CONFIG.SYS fra os2setup 2024-02-30)");
        QTest::newRow("date written otherwise") << QByteArray("K - Start med CONFIG.K (ny CONFIG.SYS fra os2setup 17.05.2024)");
        QTest::newRow("more after it") << QByteArray("K - Start med CONFIG.K (ny CONFIG.SYS fra os2setup 2024-05-17) x");
    }
    void notATry()
    {
        QFETCH(QByteArray, line);
        const std::string m = bytesOf("A - x\r\n" + line + "\r\n");
        QVERIFY(tries(m).empty());
        QVERIFY(!withoutTry(m, 'K'));
    }

    void listsTries()
    {
        const std::string m = "V - Video\r\n"
                              "K - Start med CONFIG.K (ny CONFIG.SYS fra os2setup 2024-05-17)  \r\n"
                              "  [4] Start med CONFIG.4 (ny CONFIG.SYS fra os2setup 2025-01-02)\r\n";
        QCOMPARE(keysOf(tries(m)), QStringList({"K@2", "4@3"}));
        QCOMPARE(tries(m)[1].date, QDate(2025, 1, 2));
    }

    // Which keys a try may take: not OS/2's own, not one with a CONFIG.<x>
    // in any letter case, not one a line of any menu file offers.
    void keys_data()
    {
        QTest::addColumn<QString>("names");
        QTest::addColumn<QByteArray>("middle");
        QTest::addColumn<QByteArray>("bottom");
        QTest::addColumn<QString>("states"); // the state of A B C 0 1 4 Z, one letter each
        QTest::addColumn<QString>("first");
        // F free, O OS/2's, N no try key, H has a file, L has a menu line
        QTest::newRow("nothing taken") << "" << QByteArray() << QByteArray() << "FFONOFF" << "A";
        QTest::newRow("files in any case") << "config.a|CONFIG.b|CONFIG.ZZ|CONFIG.SYS|ALTF1BOT.SCR" << QByteArray()
                                           << QByteArray() << "HHONOFF" << "D";
        QTest::newRow("menu lines of the middle and bottom files")
            << "" << QByteArray("  1 - Archive\r\n  4 - Archive\r\n") << QByteArray("[A] Mine\r\nz) other\r\n")
            << "LFONOLL" << "B";
    }
    void keys()
    {
        QFETCH(QString, names);
        QFETCH(QByteArray, middle);
        QFETCH(QByteArray, bottom);
        QFETCH(QString, states);
        QFETCH(QString, first);
        const QStringList folder = names.isEmpty() ? QStringList() : names.split(u'|');
        const std::string mid = bytesOf(middle), bot = bytesOf(bottom);
        const std::vector<std::string_view> menus = {mid, bot};
        QString found;
        for (const char key : std::string_view("ABC014Z")) {
            switch (keyState(key, menus, folder)) {
            case KeyState::Free: found += u'F'; break;
            case KeyState::Os2Key: found += u'O'; break;
            case KeyState::NotATryKey: found += u'N'; break;
            case KeyState::HasFile: found += u'H'; break;
            case KeyState::HasMenuLine: found += u'L'; break;
            }
        }
        QCOMPARE(found, states);
        QCOMPARE(QString(QChar::fromLatin1(*firstFreeKey(menus, folder))), first);
    }

    void everyKeyTaken()
    {
        QStringList folder;
        for (const char key : TryKeys)
            if (key != 'Q')
                folder << QStringLiteral("CONFIG.%1").arg(QChar::fromLatin1(key));
        QCOMPARE(firstFreeKey({}, folder), std::optional<char>('Q'));
        const std::string menu = "Q - mine\r\n";
        QVERIFY(!firstFreeKey({menu}, folder));
        QVERIFY(noFreeKey(QStringLiteral("C:\\OS2\\BOOT")).contains(QStringLiteral("C:\\OS2\\BOOT")));
        QCOMPARE(keyOf(u'q'), std::optional<char>('Q'));
        QVERIFY(!keyOf(u'å'));
        QVERIFY(keyRefusal(KeyState::HasFile, u'q', QStringLiteral("C:\\OS2\\BOOT")).contains("C:\\OS2\\BOOT\\CONFIG.Q"));
    }

    // The menu file as bytes: refused with its name when it holds a NUL or
    // is over 64 KiB, or is missing; a missing top or middle file is none.
    void readingMenuFiles()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("os2/boot"));
        DriveMap drives;
        drives.setDrive(u'C', dir.path());
        const auto write = [&](const QString &name, const QByteArray &bytes) {
            QFile f(dir.filePath("os2/boot/" + name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
        const QString bottom = menufiles::menuFile(u'C', menufiles::Part::Bottom);
        QCOMPARE(bottom, QStringLiteral("C:\\OS2\\BOOT\\ALTF1BOT.SCR"));
        const auto refused = [&](const QString &dosPath) -> QString {
            try {
                menufiles::read(drives, dosPath);
            } catch (const FileError &e) {
                return e.message();
            }
            return {};
        };
        QVERIFY(refused(bottom).startsWith(QStringLiteral("C:\\OS2\\BOOT\\ALTF1BOT.SCR finnes ikke")));

        write("AltF1Bot.scr", QByteArray("V - Video\r\n\x1A"));
        QCOMPARE(menufiles::read(drives, bottom), std::string("V - Video\r\n\x1A"));
        write("AltF1Bot.scr", QByteArray("V - Video\r\n\0x", 13));
        QCOMPARE(refused(bottom), QStringLiteral("Kan ikke bruke C:\\OS2\\BOOT\\ALTF1BOT.SCR: byte nr. 12 er en "
                                                 "NUL-byte, så filen er ingen tekstfil"));
        write("AltF1Bot.scr", QByteArray(static_cast<int>(menufiles::MaxMenuBytes), 'x'));
        QVERIFY(refused(bottom).isEmpty());
        write("AltF1Bot.scr", QByteArray(static_cast<int>(menufiles::MaxMenuBytes) + 1, 'x'));
        QCOMPARE(refused(bottom), QStringLiteral("Kan ikke bruke C:\\OS2\\BOOT\\ALTF1BOT.SCR: filen er på 65537 byte, "
                                                 "men en menyfil kan ha høyst 64 KiB (65536 byte)"));

        QVERIFY(!menufiles::readIfPresent(drives, menufiles::menuFile(u'C', menufiles::Part::Middle)));
        QVERIFY(menufiles::folderNames(drives, menufiles::bootFolder(u'C')).contains("AltF1Bot.scr"));
        QVERIFY(QDir(dir.path()).rename("os2", "gone"));
        QVERIFY_THROWS_EXCEPTION(FileError, menufiles::folderNames(drives, menufiles::bootFolder(u'C')));
    }
};

QTEST_APPLESS_MAIN(TestBootMenu)
#include "tst_boot_menu.moc"
