// The statement rules of the pages, over plain lines: no window.
#include "engine/statements.h"

#include <QTest>

using namespace statements;

namespace {

QString ticksOf(const AutostartTicks &ticks)
{
    QStringList on;
    for (std::size_t k = 0; k < ticks.size(); ++k)
        if (ticks[k])
            on << QString::fromLatin1(AutostartKeywords[k].data(), static_cast<qsizetype>(AutostartKeywords[k].size()));
    return on.join(u' ');
}

AutostartTicks ticksFrom(const QString &words)
{
    return autostartTicks(words.toStdString());
}

// The lines of a document, with their upper-cased copy, for the searches.
struct Doc
{
    explicit Doc(const QStringList &text)
    {
        for (const QString &line : text)
            lines.push_back(line.toStdString());
        upper.assign(lines);
    }
    SearchLines search() const { return {lines, upper}; }
    Lines lines;
    UpperLines upper;
};

QList<int> positions(const std::vector<LinePos> &lines)
{
    return QList<int>(lines.begin(), lines.end());
}

} // namespace

class TestStatements : public QObject
{
    Q_OBJECT

private slots:
    void autostart_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("ticked"); // what the scan ticks
        QTest::addColumn<QString>("click");  // the boxes ticked for the rewrite
        QTest::addColumn<QString>("after");
        QTest::newRow("commas") << "SET AUTOSTART=FOLDERS,PROGRAMS,LAUNCHPAD" << "PROGRAMS FOLDERS" << "PROGRAMS FOLDERS"
                                << "SET AUTOSTART=PROGRAMS,FOLDERS,LAUNCHPAD";
        QTest::newRow("blanks, any case") << "SET AUTOSTART=programs  Tasklist\tfolders" << "PROGRAMS TASKLIST FOLDERS"
                                          << "TASKLIST" << "SET AUTOSTART=TASKLIST";
        QTest::newRow("whole items only") << "SET AUTOSTART=WARPCENTERX,XPROGRAMS" << "" << "WARPCENTER"
                                          << "SET AUTOSTART=WARPCENTER,WARPCENTERX,XPROGRAMS";
        QTest::newRow("empty items") << "SET AUTOSTART=,, ,LAUNCHPAD," << "" << "" << "SET AUTOSTART=LAUNCHPAD";
        QTest::newRow("a keyword twice") << "SET AUTOSTART=FOLDERS,folders" << "FOLDERS" << "FOLDERS" << "SET AUTOSTART=FOLDERS";
        QTest::newRow("no longer the statement") << "REM SET AUTOSTART=LAUNCHPAD" << "" << "PROGRAMS" << "SET AUTOSTART=PROGRAMS";
        QTest::newRow("small key kept apart") << "set autostart=launchpad" << "" << "" << "SET AUTOSTART=launchpad";
    }
    void autostart()
    {
        QFETCH(QString, line);
        QFETCH(QString, ticked);
        QFETCH(QString, click);
        QFETCH(QString, after);
        const std::string bytes = line.toStdString();
        const std::string_view value = std::string_view(bytes).substr(bytes.find('=') + 1);
        QCOMPARE(ticksOf(autostartTicks(value)), ticked);
        QCOMPARE(QString::fromStdString(composeAutostart(bytes, ticksFrom(click))), after);
    }

    void restartObjects_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("form"); // RestartForm
        QTest::addColumn<int>("item");
        const int set = static_cast<int>(RestartForm::Set);
        const int bare = static_cast<int>(RestartForm::Bare);
        const int none = static_cast<int>(RestartForm::None);
        // The SET form by the new table, the bare form by the one earlier versions wrote.
        QTest::newRow("SET NO") << "SET RESTARTOBJECTS=NO" << set << 0;
        QTest::newRow("bare NO") << "RESTARTOBJECTS=NO" << bare << 2;
        QTest::newRow("SET REBOOTONLY") << "SET RESTARTOBJECTS=REBOOTONLY" << set << 2;
        QTest::newRow("bare REBOOTONLY") << "RESTARTOBJECTS=REBOOTONLY" << bare << 1;
        QTest::newRow("bare PL") << "restartobjects=pl" << bare << 0;
        QTest::newRow("SET PL") << "SET RESTARTOBJECTS=PL" << set << -1;
        QTest::newRow("ArcaOS") << "SET RESTARTOBJECTS=STARTUPFOLDERSONLY,REBOOTONLY" << set << 3;
        QTest::newRow("ArcaOS, turned, blanks, small") << "set RestartObjects= rebootonly , StartupFoldersOnly" << set << 3;
        QTest::newRow("bare ArcaOS") << "RESTARTOBJECTS=STARTUPFOLDERSONLY,REBOOTONLY" << bare << -1;
        QTest::newRow("a word twice") << "SET RESTARTOBJECTS=REBOOTONLY,REBOOTONLY" << set << -1;
        QTest::newRow("a comma too many") << "SET RESTARTOBJECTS=NO," << set << -1;
        QTest::newRow("empty") << "SET RESTARTOBJECTS=" << set << -1;
        QTest::newRow("commented out") << "REM SET RESTARTOBJECTS=NO" << none << -1;
    }
    void restartObjects()
    {
        QFETCH(QString, line);
        QFETCH(int, form);
        QFETCH(int, item);
        const std::string bytes = line.toStdString();
        const RestartLine read = restartLine(bytes);
        QCOMPARE(static_cast<int>(read.form), form);
        QCOMPARE(read.item, item);
        if (read.form != RestartForm::None)
            QCOMPARE(QString::fromStdString(std::string(read.value)), line.mid(line.indexOf('=') + 1));
        // What the item writes back is the SET form, read as the same item;
        // no item writes the default.
        const RestartLine written = restartLine(restartStatement(item));
        QCOMPARE(written.form, RestartForm::Set);
        QCOMPARE(written.item, item < 0 ? RestartDefault : item);
    }

    void numbers_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("number"); // -1: no number
        QTest::addColumn<int>("priority");
        QTest::newRow("plain") << "512" << 512 << -1;
        QTest::newRow("blanks") << " 7 " << 7 << -1;
        QTest::newRow("sign") << "-5" << -1 << -1;
        QTest::newRow("too large") << "99999999999" << -1 << -1;
        QTest::newRow("words") << "12a" << -1 << -1;
        QTest::newRow("empty") << "" << -1 << -1;
        QTest::newRow("DYNAMIC") << "dynamic " << -1 << 0;
        QTest::newRow("ABSOLUTE") << "Absolute" << -1 << 1;
    }
    void numbers()
    {
        QFETCH(QString, value);
        QFETCH(int, number);
        QFETCH(int, priority);
        QCOMPARE(statements::number(value.toStdString()).value_or(-1), number);
        QCOMPARE(priorityItem(value.toStdString()), priority);
    }

    void timeSlices_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("min"); // "-" for none
        QTest::addColumn<QString>("max");
        QTest::newRow("two") << "32,248" << "32" << "248";
        QTest::newRow("blanks") << " 33 , 999" << "33" << "999";
        QTest::newRow("one for both") << "40" << "40" << "40";
        QTest::newRow("words") << "x,64" << "-" << "64";
        QTest::newRow("empty") << "" << "-" << "-";
    }
    void timeSlices()
    {
        QFETCH(QString, value);
        QFETCH(QString, min);
        QFETCH(QString, max);
        const TimeSlice slice = timeSlice(value.toStdString());
        QCOMPARE(QString::fromStdString(slice.min.value_or("-")), min);
        QCOMPARE(QString::fromStdString(slice.max.value_or("-")), max);
    }

    void driverLists()
    {
        const Doc doc({"BASEDEV=OS2DASD.DMD", "DEVICE=C:\\OS2\\BOOT\\COM.SYS /X", "BASEDEV=IBMKBD.SYS", "basedev=timer0.sys",
                       "REM DEVICE=C:\\X.SYS", "BASEDEV=IBM1S506.ADD /A:0", "BASEDEV=X.ADD.SYS"});
        QStringList installed;
        QList<int> lines;
        for (const Entry &e : basedevEntries(doc.search())) {
            installed << QString::fromStdString(e.text);
            lines << e.line;
        }
        // By extension, in the catalogue's order; a name with two extensions twice.
        QCOMPARE(installed, (QStringList{"IBMKBD.SYS", "X.ADD.SYS", "IBM1S506.ADD /A:0", "X.ADD.SYS", "OS2DASD.DMD"}));
        QCOMPARE(lines, (QList<int>{2, 6, 5, 6, 0}));
        QStringList available;
        for (std::string_view name : availableBasedevs(basedevEntries(doc.search())))
            available << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        QVERIFY(!available.contains("IBMKBD.SYS") && available.contains("IBM1S506.ADD") && available.contains("TIMER0.SYS"));
        const std::vector<Entry> devices = deviceEntries(doc.search());
        QCOMPARE(devices.size(), static_cast<std::size_t>(1));
        QCOMPARE(devices[0].text, std::string("COM.SYS"));
        QCOMPARE(static_cast<int>(devices[0].line), 1);
    }

    void network()
    {
        const Doc doc({"DEVICE=C:\\MPTN\\PROTOCOL\\SOCKETS.SYS", "set path=c:\\tcpip\\bin;c:\\ibmlan\\netprog",
                       "SET PATH=C:\\TCPIP\\BIN", "RUN=C:\\IBMCOM\\X.EXE C:\\TCPIP", "CALL=C:\\MFSDATA\\Y.EXE",
                       "REM IFS=C:\\IBMLAN\\NETPROG\\NETWKSTA.200", "DEVICE=\\TCPIP\\NO.SYS"});
        const NetworkLines found = networkLines(doc.search());
        QCOMPARE(positions(found.protokoll), (QList<int>{0, 3}));
        QCOMPARE(positions(found.tcpip), (QList<int>{1, 3}));
        QCOMPARE(positions(found.mobil), (QList<int>{4}));
        QCOMPARE(positions(found.lan), (QList<int>{1, 5}));
    }

    void disk()
    {
        const Doc doc({"IFS=C:\\OS2\\HPFS.IFS /CACHE:64", "REM IFS=C:\\OS2\\HPFS.IFS", "IFS=C:\\OS2\\CDFS.IFS",
                       "DISKCACHE=", "REM DISKCACHE=D,LW", "REM  IFS=C:\\MFS\\MCM.IFS"});
        const DiskState state = diskState(doc.search());
        QCOMPARE(static_cast<int>(state.hpfs.line), 1);
        QVERIFY(!state.hpfs.on);
        QCOMPARE(static_cast<int>(state.cdfs.line), 2);
        QVERIFY(state.cdfs.on);
        QCOMPARE(static_cast<int>(state.cache.line), 4);
        QVERIFY(!state.cache.on);
        QCOMPARE(state.lan.line, NoLine);
        // Two blanks after REM: not commented out for the page.
        QCOMPARE(static_cast<int>(state.mfs.line), 5);
        QVERIFY(state.mfs.on);
    }
};

QTEST_APPLESS_MAIN(TestStatements)
#include "tst_statements.moc"
