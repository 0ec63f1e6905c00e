// A private D-Bus bus for the tests, with a fake UDisks2 on it when asked.
#include "fake_udisks.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

const QString kService = QStringLiteral("org.freedesktop.UDisks2");

// A bus that anyone on this machine may use and own names on, and nothing more.
const char kBusConfig[] = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

QString parameters(const QList<FakeUDisks::Part> &parts)
{
    QJsonArray list;
    for (const FakeUDisks::Part &p : parts)
        list.append(QJsonObject{{"name", p.name},           {"type", p.type},
                                {"label", p.label},         {"uuid", p.uuid},
                                {"size", static_cast<double>(p.size)},   {"mountedAt", p.mountedAt},
                                {"mountAt", p.mountAt},     {"refuse", p.refuse}});
    return QString::fromUtf8(QJsonDocument(QJsonObject{{"partitions", list}}).toJson(QJsonDocument::Compact));
}

} // namespace

FakeUDisks::FakeUDisks()
    // A name without blanks (the application's name may have some): the bus
    // address holds the folder unescaped.
    : m_dir(QDir::tempPath() + QStringLiteral("/fake-udisks-XXXXXX"))
{
    startBus();
}

FakeUDisks::FakeUDisks(const QList<Part> &parts)
    : FakeUDisks()
{
    if (!m_failure.isEmpty())
        return;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
    m_mock.setProcessEnvironment(environment);
    m_mock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_mock.setStandardOutputFile(QProcess::nullDevice());
    // Debian's python3-dbusmock lives beside Debian's own Python.
    m_mock.start(QStringLiteral("/usr/bin/python3"),
                 {"-m", "dbusmock", "--session", "--template", QStringLiteral(OS2SETUP_FAKE_UDISKS), "--parameters",
                  parameters(parts)});
    if (!m_mock.waitForStarted()) {
        m_failure = QStringLiteral("cannot start /usr/bin/python3 -m dbusmock (python3-dbusmock; run scripts/setup.sh)");
        return;
    }
    QDBusConnectionInterface *names = bus().interface();
    if (!QTest::qWaitFor([&] { return names->isServiceRegistered(kService) || m_mock.state() == QProcess::NotRunning; },
                         60'000)
        || !names->isServiceRegistered(kService))
        m_failure = QStringLiteral("the fake UDisks2 did not come up (is python3-dbusmock installed?)");
}

void FakeUDisks::startBus()
{
    if (!m_dir.isValid()) {
        m_failure = QStringLiteral("no temporary folder");
        return;
    }
    const QString config = m_dir.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(QString::fromLatin1(kBusConfig).arg(m_dir.path()).toUtf8()) < 0) {
        m_failure = QStringLiteral("cannot write %1").arg(config);
        return;
    }
    file.close();
    // Its complaints as root (it cannot raise the file limit) are no failure.
    m_daemon.setStandardErrorFile(QProcess::nullDevice());
    m_daemon.start(QStringLiteral("dbus-daemon"), {"--config-file=" + config, "--nofork", "--print-address"});
    if (!m_daemon.waitForStarted()) {
        m_failure = QStringLiteral("cannot start dbus-daemon (Debian package dbus-daemon)");
        return;
    }
    while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(60'000)) {
    }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    if (m_address.isEmpty()) {
        m_failure = QStringLiteral("dbus-daemon told no address");
        return;
    }
    m_connection = QStringLiteral("fake-udisks-") + QString::number(quintptr(this));
    if (!QDBusConnection::connectToBus(m_address, m_connection).isConnected())
        m_failure = QStringLiteral("cannot connect to the bus at %1").arg(m_address);
}

FakeUDisks::~FakeUDisks()
{
    if (!m_connection.isEmpty())
        QDBusConnection::disconnectFromBus(m_connection);
    for (QProcess *process : {&m_mock, &m_daemon}) {
        if (process->state() == QProcess::NotRunning)
            continue;
        process->terminate();
        if (!process->waitForFinished(30'000)) {
            process->kill();
            process->waitForFinished();
        }
    }
}

QDBusConnection FakeUDisks::bus() const
{
    return QDBusConnection(m_connection);
}

int FakeUDisks::mountCalls(const QString &name) const
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, "/org/freedesktop/UDisks2/block_devices/" + name,
                                                      "org.freedesktop.DBus.Mock", "GetMethodCalls");
    call << QStringLiteral("Mount");
    const QDBusMessage reply = bus().call(call);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return -1;
    const auto calls = reply.arguments().first().value<QDBusArgument>();
    int count = 0;
    calls.beginArray();
    while (!calls.atEnd()) {
        quint64 time = 0;
        QList<QDBusVariant> arguments;
        calls.beginStructure();
        calls >> time >> arguments;
        calls.endStructure();
        ++count;
    }
    calls.endArray();
    return count;
}
