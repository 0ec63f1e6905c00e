// "Prøv ved neste oppstart" in the window.
#include "test_support.h"

class TestTryDialog : public QObject
{
    Q_OBJECT

private slots:
};

QTEST_MAIN(TestTryDialog)
#include "tst_try_dialog.moc"
