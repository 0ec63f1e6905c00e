// Searches over the document's lines.
#include "engine/search.h"
#include "platform/text8.h"

#include <QTest>

namespace {

Lines linesOf(const QStringList &display)
{
    Lines out;
    for (const QString &line : display)
        out.push_back(text8::fromDisplay(line).value());
    return out;
}

std::string bytes(const QString &s)
{
    return text8::fromDisplay(s).value();
}

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT

private slots:
    void finnRem_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("s1");
        QTest::addColumn<QString>("s2");
        QTest::addColumn<int>("found");
        const QStringList hpfs{"IFS=C:\\OS2\\HPFS.IFS", "REM IFS=C:\\OS2\\HPFS.IFS"};
        QTest::newRow("empty document") << QStringList{} << "REM " << "X" << int(NoLine);
        QTest::newRow("commented, lower case") << QStringList{"x", "rem ifs=c:\\os2\\hpfs.ifs /cache:64"}
                                               << "REM IFS=" << "HPFS" << 1;
        QTest::newRow("first of active and commented") << hpfs << "IFS=" << "HPFS.IFS" << 0;
        QTest::newRow("commented one only") << hpfs << "REM IFS=" << "HPFS" << 1;
        QTest::newRow("order and overlap do not matter") << QStringList{"HPFS.IFS REM IFS="} << "REM IFS=" << "HPFS" << 0;
        QTest::newRow("both texts needed") << QStringList{"REM IFS=C:\\OS2\\CDFS.IFS"} << "REM IFS=" << "HPFS" << int(NoLine);
        QTest::newRow("national letters") << QStringList{"rem sti=c:\\bøker"} << "REM " << "BØKER" << 0;
        QTest::newRow("empty text never found") << QStringList{"REM X"} << "REM " << "" << int(NoLine);
    }
    void finnRem()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, s1);
        QFETCH(QString, s2);
        QFETCH(int, found);
        QCOMPARE(int(FinnREM(linesOf(lines), bytes(s1), bytes(s2))), found);
    }

    void foundDevice_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("active");
        QTest::newRow("active, name in small letters") << "DEVICE=C:\\OS2\\MDOS\\vemm.sys" << true;
        QTest::newRow("name among the options") << "DEVICE=C:\\X.SYS /D:VEMM.SYS" << true;
        QTest::newRow("small key") << "device=C:\\OS2\\MDOS\\VEMM.SYS" << false;
        QTest::newRow("blank in front") << " DEVICE=C:\\OS2\\MDOS\\VEMM.SYS" << false;
        QTest::newRow("commented") << "REM DEVICE=C:\\OS2\\MDOS\\VEMM.SYS" << false;
        QTest::newRow("another driver") << "DEVICE=C:\\OS2\\MDOS\\VXMS.SYS" << false;
    }
    void foundDevice()
    {
        QFETCH(QString, line);
        QFETCH(bool, active);
        const Lines lines = linesOf({"REM", line});
        QCOMPARE(FoundDevice(lines, "VEMM.SYS"), active ? LinePos(1) : NoLine);
    }

    void getIniStr_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("found");
        QTest::newRow("first of two") << QStringList{"THREADS=64", "THREADS=128"} << "THREADS" << "64" << 0;
        QTest::newRow("key without regard to case, value as written")
            << QStringList{"REM", "set autostart=programs,tasklist"} << "SET AUTOSTART" << "programs,tasklist" << 1;
        QTest::newRow("empty value is still found") << QStringList{"THREADS="} << "THREADS" << "" << 0;
        QTest::newRow("blanks around the sign") << QStringList{"THREADS = 256"} << "THREADS" << "" << int(NoLine);
        QTest::newRow("blank in front") << QStringList{" THREADS=256"} << "THREADS" << "" << int(NoLine);
        QTest::newRow("commented") << QStringList{"REM THREADS=256"} << "THREADS" << "" << int(NoLine);
        QTest::newRow("asked for with REM") << QStringList{"rem diskcache=D,LW"} << "REM DISKCACHE" << "D,LW" << 0;
        QTest::newRow("REM with two blanks") << QStringList{"REM  DISKCACHE=D"} << "REM DISKCACHE" << "" << int(NoLine);
        QTest::newRow("further signs kept, nothing trimmed") << QStringList{"SET X= a=b "} << "SET X" << " a=b " << 0;
        QTest::newRow("longer key does not match") << QStringList{"THREADSX=1"} << "THREADS" << "" << int(NoLine);
        QTest::newRow("empty document") << QStringList{} << "SHELL" << "" << int(NoLine);
    }
    void getIniStr()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(int, found);
        const IniValue v = GetIniStr(linesOf(lines), bytes(key));
        QCOMPARE(text8::toDisplay(v.value), value);
        QCOMPARE(int(v.line), found);
    }

    void fileNameOf_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("path and options") << "C:\\OS2\\BOOT\\IBM1S506.ADD /A:0" << "IBM1S506.ADD";
        QTest::newRow("bare name") << "ANSI.SYS" << "ANSI.SYS";
        QTest::newRow("blank inside a folder name") << "C:\\DIR WITH\\X.SYS" << "DIR";
        QTest::newRow("letter case kept") << "c:\\os2\\mdos\\vemm.sys" << "vemm.sys";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("ends in backslash") << "C:\\OS2\\" << "";
    }
    void fileNameOf()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(text8::toDisplay(FileNameOf(bytes(in))), out);
    }

    void positionsPastTheEndNameNoLine()
    {
        const Lines lines = linesOf({"a", "b"});
        QCOMPARE(lineIn(lines, 1), LinePos(1));
        QCOMPARE(lineIn(lines, 2), NoLine);
        QCOMPARE(lineIn({}, 0), NoLine);
        QCOMPARE(lineIn(lines, NoLine), NoLine);
    }
};

QTEST_APPLESS_MAIN(TestSearch)
#include "tst_search.moc"
