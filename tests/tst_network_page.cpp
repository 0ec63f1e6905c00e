// Placeholder until the tests of this area are written.
#include <QTest>

class Placeholder : public QObject
{
    Q_OBJECT
private slots:
    void nothingYet() {}
};

QTEST_MAIN(Placeholder)
#include "tst_network_page.moc"
