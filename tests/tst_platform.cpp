// The host layer: 8-bit text, DOS paths on host folders, CR LF line files.
#include "platform/dos_path.h"
#include "platform/file_error.h"
#include "platform/line_file.h"
#include "platform/text8.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const FileError &e) {
        return e.message();
    }
    return {};
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void everyByteSurvivesDisplay()
    {
        std::string all;
        for (int b = 0; b < 256; ++b)
            all.push_back(static_cast<char>(b));
        const QString shown = text8::toDisplay(all);
        QCOMPARE(shown.size(), 256);
        QCOMPARE(text8::fromDisplay(shown).value(), all);
        QCOMPARE(shown.at(0x80), QChar(0x20AC)); // euro sign
        QCOMPARE(shown.at(0x8D), QChar(0x8D));   // unassigned: the C1 control
        QCOMPARE(shown.at(0xF8), QChar(u'ø'));
    }

    void charactersOutsideTheSetAreRefused()
    {
        QVERIFY(text8::isEncodable(QStringLiteral("æøå ÆØÅ € Ÿ")));
        QVERIFY(!text8::isEncodable(QStringLiteral("ŝ")));
        QVERIFY(!text8::isEncodable(QStringLiteral("→")));
        QVERIFY(!text8::fromDisplay(QStringLiteral("ab→c")).has_value());
    }

    void upperCasing_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("ascii") << "device=c:\\os2" << "DEVICE=C:\\OS2";
        QTest::newRow("national") << "æøå àéþ" << "ÆØÅ ÀÉÞ";
        QTest::newRow("division sign and sharp s stay") << "÷ß" << "÷ß";
        QTest::newRow("high letters") << "šœžÿ" << "ŠŒŽŸ";
        QTest::newRow("micro and digits stay") << "µ123" << "µ123";
    }
    void upperCasing()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(text8::toDisplay(text8::upper(text8::fromDisplay(in).value())), out);
    }

    // upperInto() takes 16 bytes at a time when none is 8-bit: every byte
    // must come out as upper() gives it, in such a block and in one with a
    // national letter, at every place, and when the output is the input.
    void upperCasingOfLongTexts()
    {
        for (int b = 0; b < 256; ++b) {
            for (const char filler : {'a', static_cast<char>(0xE6)}) {
                for (int at = 0; at < 40; at += 13) {
                    std::string in(40, filler);
                    in[static_cast<std::size_t>(at)] = static_cast<char>(b);
                    std::string expected;
                    for (unsigned char c : in)
                        expected.push_back(static_cast<char>(text8::upper(c)));
                    std::string out(in.size(), '?');
                    text8::upperInto(in.data(), in.size(), out.data());
                    QCOMPARE(out, expected);
                    text8::upperInto(in.data(), in.size(), in.data());
                    QCOMPARE(in, expected);
                }
            }
        }
    }

    // find() against a plain search: haystacks of every length around its
    // blocks of 16 and 64 bytes, the needle at every place (the very end
    // included), needles whose first and last bytes stand everywhere, 8-bit
    // bytes, searches from a later place.
    void findAgreesWithAPlainSearch()
    {
        const std::string needles[] = {"IFS=", "\\IBMLAN", "AA", "A", "A\xC5" "A", "\xE6\xF8\xE5", "REM IFS=C:\\OS2\\HPFS.IFS /X"};
        for (std::size_t size = 0; size < 150; ++size) {
            for (const std::string &needle : needles) {
                for (std::size_t at = 0; at <= size; at += (size < 70 ? 1 : 7)) {
                    std::string hay(size, 'A');
                    for (std::size_t i = 1; i < size; i += 3)
                        hay[i] = static_cast<char>(0xC5);
                    hay.replace(at, needle.size(), needle);
                    hay.resize(size);
                    for (std::size_t from : {static_cast<std::size_t>(0), at, size / 2, size, size + 1}) {
                        const std::size_t plain = from > size ? std::string::npos : hay.find(needle, from);
                        QCOMPARE(text8::find(hay, needle, from), plain);
                        // findAny: the needle among others that share its first byte, and
                        // among ones that do not.
                        const std::string longer = needle + "\x01";
                        const std::string_view shared[] = {longer, needle, std::string_view(needle).substr(0, 2)};
                        const std::string_view mixed[] = {"\x01\x02", needle};
                        const std::size_t plainShared =
                            from > size ? std::string::npos : std::min(plain, hay.find(shared[2], from));
                        QCOMPARE(text8::findAny(hay, shared, from), plainShared);
                        QCOMPARE(text8::findAny(hay, mixed, from), plain);
                    }
                }
            }
        }
        QCOMPARE(text8::find("abc", ""), std::string_view::npos);
        QCOMPARE(text8::find("", "a"), std::string_view::npos);
    }

    void displayTextsCompareWithBytes()
    {
        std::string all;
        for (int b = 0; b < 256; ++b)
            all.push_back(static_cast<char>(b));
        const QString shown = text8::toDisplay(all);
        QVERIFY(text8::isDisplayOf(shown, all));
        QVERIFY(!text8::isDisplayOf(shown.left(255), all));
        for (int b = 0; b < 256; ++b) {
            std::string other = all;
            other[static_cast<std::size_t>(b)] = static_cast<char>(b ^ 0x01);
            QVERIFY(!text8::isDisplayOf(shown, other));
        }
        QVERIFY(text8::isDisplayOf(QString(), ""));
    }

    void pathsResolveWithoutRegardToCase()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("OS2/Boot/IbmKbd.sys"), "x");
        DriveMap drives;
        drives.setDrive(u'c', dir.path());
        QCOMPARE(drives.resolve("C:\\OS2\\BOOT\\IBMKBD.SYS"), dir.filePath("OS2/Boot/IbmKbd.sys"));
        QCOMPARE(drives.resolve("c:\\os2\\..\\..\\..\\os2\\boot\\ibmkbd.sys"), dir.filePath("OS2/Boot/IbmKbd.sys"));
        // A file still to be created keeps the name as given.
        QCOMPARE(drives.resolve("C:\\OS2\\BOOT\\NEW.SYS"), dir.filePath("OS2/Boot/NEW.SYS"));
        QCOMPARE(drives.resolve("C:\\"), QDir::cleanPath(dir.path()));
        // Without a drive letter a path is the host's own; a relative one is
        // matched from the current folder without regard to case.
        QCOMPARE(drives.resolve(dir.filePath("OS2/none")), dir.filePath("OS2/none"));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.filePath("OS2")));
        QCOMPARE(drives.resolve("boot\\ibmkbd.sys"), dir.filePath("OS2/Boot/IbmKbd.sys"));
        QCOMPARE(drives.resolve("../os2/boot/NEW.SYS"), dir.filePath("OS2/Boot/NEW.SYS"));
        QVERIFY(QDir::setCurrent(previous));
    }

    // The message says every way to map the drive: the option, the variable,
    // and for C: the drive chooser.
    void unmappedDriveNamesItsVariable_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("ways");
        QTest::newRow("D:") << "D:\\TEST\\CONFIG.SYS" << QStringList{"--drive D=MAPPE", "OS2SETUP_DRIVE_D"};
        QTest::newRow("c:") << "c:\\CONFIG.SYS" << QStringList{"--drive C=MAPPE", "OS2SETUP_DRIVE_C"};
    }
    void unmappedDriveNamesItsVariable()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, ways);
        const DriveMap drives;
        const QString message = errorOf([&] { drives.resolve(path); });
        QVERIFY2(message.startsWith(path + ": stasjon " + path.at(0).toUpper() + ": er ikke koblet til noen mappe."),
                 qPrintable(message));
        for (const QString &way : ways)
            QVERIFY2(message.contains(way), qPrintable(message));
        // --check ignores --choose-drive; the window names its own way.
        QVERIFY(!message.contains("--choose-drive"));
        QCOMPARE(linefile::exists(drives, path), linefile::Presence::Unreachable);
    }

    void environmentMapsDrives()
    {
        qputenv("OS2SETUP_DRIVE_Q", "/some/folder");
        QCOMPARE(DriveMap::fromEnvironment().drive(u'q'), QStringLiteral("/some/folder"));
        qunsetenv("OS2SETUP_DRIVE_Q");
    }

    void splitting_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("final line end adds no line") << QByteArray("a\r\nb\r\nc\r\n") << QStringList{"a", "b", "c"};
        QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("empty lines stay") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
        QTest::newRow("bare LF ends a line") << QByteArray("a\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("bare CR stays in the line") << QByteArray("a\rb\r\r\n") << QStringList{"a\rb\r"};
        QTest::newRow("bare CR ends the last line") << QByteArray("A\r\nB\r") << QStringList{"A", "B\r"};
        QTest::newRow("ctrl-z and nul kept") << QByteArray("a\0b\r\n\x1a", 6)
                                             << QStringList{QString::fromLatin1("a\0b", 3), "\x1a"};
    }
    // Split afresh and into the strings of an earlier file, longer and shorter
    // in lines and bytes: nothing of the earlier lines may be left.
    void splitting()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        const Lines earlier[] = {{}, {std::string(300, 'L'), "", "x", "y", "z", "w", "v", "u"}, {"\r"}};
        for (const Lines &reuse : earlier) {
            QStringList got;
            for (const std::string &line : linefile::split(bytes.constData(), static_cast<std::size_t>(bytes.size()), reuse))
                got << text8::toDisplay(line);
            QCOMPARE(got, lines);
        }
        // Where each line begins in the bytes, from the lines' sizes alone; the
        // end of the bytes last.
        const Lines split = linefile::split(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        const std::vector<std::size_t> starts = linefile::lineStarts(split, view);
        QCOMPARE(starts.size(), split.size() + 1);
        for (std::size_t i = 0; i < split.size(); ++i)
            QCOMPARE(view.substr(starts[i], split[i].size()), std::string_view(split[i]));
        QCOMPARE(starts.back(), view.size());
        // Lines that cannot have been split from these bytes have no places in them.
        Lines other = split;
        other.push_back("x");
        QVERIFY(linefile::lineStarts(other, view).empty());
        if (!split.empty()) {
            other = split;
            other.front() += std::string(static_cast<std::size_t>(bytes.size()) + 1, 'y');
            QVERIFY(linefile::lineStarts(other, view).empty());
        }
    }

    // A CR that no LF follows is the line's own byte, the last line's too:
    // saved, it stays before the CR LF that ends the line.
    void aBareCrAtTheEndIsKept()
    {
        QTemporaryDir dir;
        DriveMap drives;
        drives.setDrive(u'C', dir.path());
        writeFile(dir.filePath("CONFIG.SYS"), "A\r\nB\r");
        const Lines lines = linefile::load(drives, "C:\\CONFIG.SYS");
        QCOMPARE(lines, (Lines{"A", "B\r"}));
        linefile::save(drives, "C:\\CONFIG.NEW", lines);
        QCOMPARE(readFile(dir.filePath("CONFIG.NEW")), QByteArray("A\r\nB\r\r\n"));
        QCOMPARE(linefile::load(drives, "C:\\CONFIG.NEW"), lines);
    }

    void saveWritesCrLfAndReplacesWhole()
    {
        QTemporaryDir dir;
        DriveMap drives;
        drives.setDrive(u'C', dir.path());
        linefile::save(drives, "C:\\OUT.TXT", {"one", std::string(400, 'x'), ""});
        QCOMPARE(readFile(dir.filePath("OUT.TXT")), "one\r\n" + QByteArray(400, 'x') + "\r\n\r\n");
        linefile::save(drives, "C:\\OUT.TXT", {});
        QCOMPARE(readFile(dir.filePath("OUT.TXT")).size(), 0);
    }

    void failedWritesLeaveFilesWhole()
    {
        QTemporaryDir dir;
        DriveMap drives;
        drives.setDrive(u'C', dir.path());
        drives.setDrive(u'E', dir.filePath("no-such-drive-folder"));
        QDir(dir.path()).mkdir("FOLDER.NEW");
        writeFile(dir.filePath("LOCKED.TXT"), "keep\r\n");
        QFile::setPermissions(dir.filePath("LOCKED.TXT"), QFileDevice::ReadOwner | QFileDevice::ReadUser);

        QString e = errorOf([&] { linefile::save(drives, "C:\\FOLDER.NEW", {"x"}); });
        QVERIFY2(e.contains("C:\\FOLDER.NEW") && e.contains("mappe"), qPrintable(e));
        e = errorOf([&] { linefile::save(drives, "E:\\X.TXT", {"x"}); });
        QVERIFY2(e.contains("E:\\X.TXT") && e.contains("finnes ikke"), qPrintable(e));
        e = errorOf([&] { linefile::save(drives, "C:\\LOCKED.TXT", {"new"}); });
        QVERIFY2(e.contains("skrivebeskyttet"), qPrintable(e));
        e = errorOf([&] { linefile::remove(drives, "C:\\LOCKED.TXT"); });
        QVERIFY2(e.contains("C:\\LOCKED.TXT") && e.contains("skrivebeskyttet"), qPrintable(e));
        QCOMPARE(readFile(dir.filePath("LOCKED.TXT")), QByteArray("keep\r\n"));
        e = errorOf([&] { linefile::remove(drives, "C:\\MISSING.TXT"); });
        QVERIFY2(e.contains("C:\\MISSING.TXT"), qPrintable(e));
        // The save's temporary file never stays behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"LOCKED.TXT"});
    }

    void loadRefusesWhatItCannotHold()
    {
        QTemporaryDir dir;
        DriveMap drives;
        drives.setDrive(u'C', dir.path());
        QString e = errorOf([&] { linefile::load(drives, "C:\\CONFIG.SYS"); });
        QVERIFY2(e.contains("C:\\CONFIG.SYS") && e.contains("finnes ikke"), qPrintable(e));
        QDir(dir.path()).mkdir("DIR");
        e = errorOf([&] { linefile::load(drives, "C:\\DIR"); });
        QVERIFY2(e.contains("mappe"), qPrintable(e));

        QByteArray many;
        for (int i = 0; i < 65536; ++i)
            many += "REM\r\n";
        writeFile(dir.filePath("BIG.SYS"), many);
        e = errorOf([&] { linefile::load(drives, "C:\\BIG.SYS", 65535); });
        QVERIFY2(e.contains("65536") && e.contains("65535"), qPrintable(e));
        many.chop(5);
        writeFile(dir.filePath("BIG.SYS"), many);
        QCOMPARE(linefile::load(drives, "C:\\BIG.SYS", 65535).size(), static_cast<std::size_t>(65535));
    }

    // The causes a user meets are told in Norwegian; any other keeps the
    // system's own text, so nothing is hidden.
    void causesInNorwegian_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("cause");
        QTest::newRow("full disk") << ENOSPC << "det er ikke mer plass på disken";
        QTest::newRow("no permission") << EACCES << "du har ikke tillatelse til det";
        QTest::newRow("read-only file system") << EROFS << "filsystemet er montert bare for lesing";
        QTest::newRow("quota") << EDQUOT << "diskkvoten din er brukt opp";
        QTest::newRow("link loop") << ELOOP << "for mange symbolske lenker etter hverandre (en lenke som peker på seg selv?)";
        QTest::newRow("name too long") << ENAMETOOLONG << "navnet er for langt";
        QTest::newRow("I/O error") << EIO << "inn/ut-feil på disken";
        QTest::newRow("too many links") << EMLINK << "for mange lenker";
        QTest::newRow("other") << EDOM << "ukjent feil (" + QString::fromLocal8Bit(std::strerror(EDOM)) + ")";
    }
    void causesInNorwegian()
    {
        QFETCH(int, code);
        QFETCH(QString, cause);
        QCOMPARE(fileErrorCause(code), cause);
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
