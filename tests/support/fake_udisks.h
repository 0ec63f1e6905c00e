// A private D-Bus bus for the tests, with a fake UDisks2 on it when asked
// (python-dbusmock with the template fake_udisks2.py).
#pragma once

#include "platform/udisks.h"

#include <QDBusConnection>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class FakeUDisks
{
public:
    struct Part
    {
        QString name; // sda2: /dev/sda2
        QString type;
        QString label;
        QString uuid;
        quint64 size = 0;
        QString mountedAt; // mounted there from the start; empty: not mounted
        QString mountAt;   // where Mount mounts it
        QString refuse;    // the error name Mount fails with; empty: it succeeds
    };

    // A bus with UDisks2 serving `parts`.
    explicit FakeUDisks(const QList<Part> &parts);
    // A bus without UDisks2.
    FakeUDisks();
    ~FakeUDisks();
    FakeUDisks(const FakeUDisks &) = delete;
    FakeUDisks &operator=(const FakeUDisks &) = delete;

    // Empty when the bus (and UDisks2) are up; else what failed.
    const QString &failure() const { return m_failure; }
    QDBusConnection bus() const;
    UDisks udisks() const { return UDisks(bus()); }
    // How often Filesystem.Mount was called on partition `name`.
    int mountCalls(const QString &name) const;

private:
    void startBus();

    QTemporaryDir m_dir;
    QProcess m_daemon;
    QProcess m_mock;
    QString m_address;
    QString m_connection;
    QString m_failure;
};
