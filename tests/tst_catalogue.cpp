// Tests of the driver catalogue: table shape and limits, and the two lookups.
#include "engine/catalogue.h"
#include "platform/text8.h"

#include <QFile>
#include <QtTest>

#include <numeric>
#include <set>
#include <string>

namespace {

std::string_view view(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// Length of a note in the 8-bit set; -1 when a character has no byte there.
int length8(std::string_view utf8Note)
{
    const auto bytes = text8::fromDisplay(
        QString::fromUtf8(utf8Note.data(), static_cast<qsizetype>(utf8Note.size())));
    return bytes ? static_cast<int>(bytes->size()) : -1;
}

template<std::size_t N>
bool namesUniqueUpper(const std::array<std::string_view, N> &names)
{
    std::set<std::string> seen;
    for (std::string_view name : names)
        if (!seen.insert(text8::upper(name)).second)
            return false;
    return true;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void tables();
    void basedevNote_data();
    void basedevNote();
    void deviceNote_data();
    void deviceNote();
    void fileNote_data();
    void fileNote();
    void currentInstallation_data();
    void currentInstallation();
};

void TestCatalogue::tables()
{
    using namespace catalogue;
    QCOMPARE(DriverExtensions.front(), std::string_view(".SYS"));
    QCOMPARE(DriverExtensions[4], std::string_view(".ADD"));
    QCOMPARE(DriverExtensions.back(), std::string_view(".DMD"));

    int required = 0;
    for (std::uint16_t flag : BasedevRequired) {
        QVERIFY(flag == 0 || flag == 1);
        required += flag;
    }
    // Seven of the Warp 4 rows, and LVM of today's.
    QCOMPARE(required, 8);
    QCOMPARE(std::accumulate(BasedevRequired.begin(), BasedevRequired.begin() + 14, 0), 7);

    // A repeated name would hide the later row from the lookups.
    QVERIFY(namesUniqueUpper(BasedevNames));
    QVERIFY(namesUniqueUpper(DeviceNames));

    // Rows 8 and 9 fill their 50 characters exactly.
    QCOMPARE(length8(BasedevNotes[7]), 50);
    QCOMPARE(length8(BasedevNotes[8]), 50);
}

void TestCatalogue::basedevNote_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("note");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("required");

    QTest::newRow("first row, spelt as shown")
        << QByteArray("IBM1FLPY.ADD") << QStringLiteral("Støtte for diskettsatsjon") << 1 << true;
    QTest::newRow("not required")
        << QByteArray("IBM2FLPY.ADD") << QStringLiteral("Støtte for PS/2 diskettstasjon") << 2 << false;
    QTest::newRow("also a device driver")
        << QByteArray("OS2CDROM.DMD") << QStringLiteral("Støtte for CD-ROM") << 4 << false;
    QTest::newRow("paralleport")
        << QByteArray("PRINT01.SYS") << QStringLiteral("Støtte for paralleport, IDE-EISA") << 6 << true;
    QTest::newRow("paralellport")
        << QByteArray("PRINT02.SYS") << QStringLiteral("Støtte for paralellport, MCA") << 7 << false;
    QTest::newRow("full 50, required")
        << QByteArray("IBM1S506.ADD")
        << QStringLiteral("Styreprogram til platelagre av typen MFM, RLL, ESD") << 8 << true;
    QTest::newRow("full 50 with å")
        << QByteArray("OS2SCSI.DMD")
        << QStringLiteral("Styreprogram til SCSI scannere, båndstasjoner etc.") << 9 << false;
    QTest::newRow("last Warp 4 row") << QByteArray("TIMER0.SYS") << QStringLiteral("Timer") << 14 << true;
    QTest::newRow("first current row")
        << QByteArray("DANIS506.ADD") << QStringLiteral("IDE- og SATA-disker (avløser IBM1S506.ADD)") << 15 << false;
    QTest::newRow("current, required")
        << QByteArray("OS2LVM.DMD") << QStringLiteral("Logiske volumer (LVM): stasjonsbokstavene") << 19 << true;
    QTest::newRow("last row") << QByteArray("IBMATAPI.FLT") << QStringLiteral("ATAPI CD-ROM (IBMs eldre filter)") << 31 << false;
    QTest::newRow("current, lower case") << QByteArray("os2ahci.add") << QString() << 0 << false;

    // Exact comparison: case, blanks and parameters all count.
    QTest::newRow("lower case") << QByteArray("ibmkbd.sys") << QString() << 0 << false;
    QTest::newRow("mixed case") << QByteArray("IBMKBD.sys") << QString() << 0 << false;
    QTest::newRow("with parameter") << QByteArray("IBM1S506.ADD /A:0") << QString() << 0 << false;
    QTest::newRow("trailing blank") << QByteArray("IBMKBD.SYS ") << QString() << 0 << false;
    QTest::newRow("leading blank") << QByteArray(" IBMKBD.SYS") << QString() << 0 << false;
    QTest::newRow("prefix only") << QByteArray("IBMKBD") << QString() << 0 << false;
    QTest::newRow("with path") << QByteArray("C:\\OS2\\BOOT\\IBMKBD.SYS") << QString() << 0 << false;
    QTest::newRow("device-only name") << QByteArray("VEMM.SYS") << QString() << 0 << false;
    QTest::newRow("empty") << QByteArray() << QString() << 0 << false;
}

void TestCatalogue::basedevNote()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, note);
    QFETCH(int, index);
    QFETCH(bool, required);

    const catalogue::BasedevInfo found = catalogue::BasedevNote(view(name));
    QCOMPARE(found.note, note);
    QCOMPARE(found.BasedevIndex, index);
    QCOMPARE(found.required, required);
}

void TestCatalogue::deviceNote_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("note");

    const QString emm = QStringLiteral("EMM, Expanded Memory Manager for DOS");
    const QString tcpip = QStringLiteral("TCP/IP støtte i DOS");
    QTest::newRow("first row") << QByteArray("LANPDD.OS2") << QStringLiteral("Nettverk");
    QTest::newRow("as stored") << QByteArray("VEMM.SYS") << emm;
    QTest::newRow("lower case") << QByteArray("vemm.sys") << emm;
    QTest::newRow("mixed case") << QByteArray("Vxms.Sys")
                                << QStringLiteral("XMS, eXtended Memory Manager for DOS");
    QTest::newRow("lower-case row, as stored") << QByteArray("vdostcp.vdd") << tcpip;
    QTest::newRow("lower-case row, upper case") << QByteArray("VDOSTCP.SYS") << tcpip;
    QTest::newRow("also a base driver") << QByteArray("OS2CDROM.DMD")
                                        << QStringLiteral("Støtte for CD-ROM");
    QTest::newRow("with å") << QByteArray("MOUSE.SYS")
        << QStringLiteral("Støtte for mus (trenger POINTDD.SYS for å virke skikkelig)");
    QTest::newRow("odd spacing") << QByteArray("LOG.SYS")
        << QStringLiteral("Systemfeil logging ( RUN=LOGDAEM.EXE må være med i CONFIG.SYS");
    QTest::newRow("last Warp 4 row") << QByteArray("EXTDSKDD.SYS")
                              << QStringLiteral("Tildeler en stasjonsbokstav til en diskettstasjon");
    QTest::newRow("current, any case") << QByteArray("Uniaud32.sys")
                                       << QStringLiteral("Lyd: UNIAUD, lyddriveren for de fleste lydkort");
    QTest::newRow("last row") << QByteArray("ANSI.SYS") << QStringLiteral("ANSI-skjermkoder i DOS-økter");

    // A Warp 4 row without a description of its own gets the one added for it.
    QTest::newRow("first without") << QByteArray("PROTMAN.OS2") << QStringLiteral("Nettverk: protokollbehandler (MPTS)");
    QTest::newRow("last without, small") << QByteArray("vnetapi.os2") << QStringLiteral("Nettverk: LAN-tjenester i DOS-økter");
    QTest::newRow("unknown") << QByteArray("NOSUCH.SYS") << QString();
    QTest::newRow("trailing blank") << QByteArray("VEMM.SYS ") << QString();
    QTest::newRow("with parameter") << QByteArray("VEMM.SYS /NOEMS") << QString();
    QTest::newRow("prefix only") << QByteArray("VEMM") << QString();
    QTest::newRow("base-only name") << QByteArray("TIMER0.SYS") << QString();
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestCatalogue::deviceNote()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, note);
    QCOMPARE(catalogue::DeviceNote(view(name)), note);
}

void TestCatalogue::fileNote_data()
{
    QTest::addColumn<bool>("psd");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("note");
    QTest::addColumn<bool>("required");
    QTest::newRow("ACPI.PSD") << true << QByteArray("ACPI.PSD") << QStringLiteral("ACPI: avbrudd, flere prosessorer og strømstyring") << true;
    QTest::newRow("os2apic.psd") << true << QByteArray("os2apic.psd") << QStringLiteral("Flere prosessorer (APIC), den eldre PSD-en") << false;
    QTest::newRow("a file system is no PSD") << true << QByteArray("JFS.IFS") << QString() << false;
    QTest::newRow("jfs.ifs") << false << QByteArray("jfs.ifs") << QStringLiteral("JFS-filsystemet, der ArcaOS installeres") << true;
    QTest::newRow("FAT32.IFS") << false << QByteArray("FAT32.IFS") << QStringLiteral("FAT32-stasjoner") << false;
    QTest::newRow("the LAN requester") << false << QByteArray("NETWKSTA.200") << QStringLiteral("Nettstasjoner for LAN-klienten (IBM Peer)") << false;
    QTest::newRow("with a parameter") << false << QByteArray("CDFS.IFS /Q") << QString() << false;
    QTest::newRow("unknown") << false << QByteArray("EXT2.IFS") << QString() << false;
}

void TestCatalogue::fileNote()
{
    QFETCH(bool, psd);
    QFETCH(QByteArray, name);
    QFETCH(QString, note);
    QFETCH(bool, required);
    const catalogue::FileInfo info = psd ? catalogue::PsdNote(view(name)) : catalogue::IfsNote(view(name));
    QCOMPARE(info.note, note);
    QCOMPARE(info.required, required);
}

// Every driver, platform driver and file system that a current ArcaOS
// CONFIG.SYS loads has a description.
void TestCatalogue::currentInstallation_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("ArcaOS example drive") << QStringLiteral(OS2SETUP_EXAMPLES "/arcaos-c/CONFIG.SYS");
    QTest::newRow("ArcaOS in VirtualBox") << QStringLiteral(OS2SETUP_TEST_DATA "/arcaos-vbox.config.sys");
}

void TestCatalogue::currentInstallation()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    int drivers = 0;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QByteArray statement = line.trimmed();
        const qsizetype equals = statement.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArray key = statement.left(equals).toUpper();
        const QByteArray value = statement.mid(equals + 1);
        const QByteArray path = value.split(' ').front();
        const QByteArray name = path.mid(path.lastIndexOf('\\') + 1);
        QString note;
        if (key == "BASEDEV")
            note = catalogue::BasedevNote(view(name)).note;
        else if (key == "DEVICE")
            note = catalogue::DeviceNote(view(name));
        else if (key == "PSD")
            note = catalogue::PsdNote(view(name)).note;
        else if (key == "IFS")
            note = catalogue::IfsNote(view(name)).note;
        else
            continue;
        QVERIFY2(!note.isEmpty(), statement.constData());
        ++drivers;
    }
    QVERIFY(drivers > 30);
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
