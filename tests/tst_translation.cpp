// The window in English and German: its texts translated, none of them cut
// in the fixed-size window; and in Norwegian exactly as before. Run once at
// scale 1 and once with QT_SCALE_FACTOR=2 (see CMakeLists.txt).
#include "app/qt_translation.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using uilanguage::Language;

namespace {

// The texts of the notebook's tabs, in order.
QStringList tabTexts(const QTabWidget *notebook)
{
    QStringList texts;
    for (int i = 0; i < notebook->count(); ++i)
        texts << notebook->tabText(i);
    return texts;
}

// The name a fault report gives a widget: its objectName, else its class and text.
QString nameOf(const QWidget *w, const QString &text)
{
    return (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName())
           + QStringLiteral(" «") + text + QStringLiteral("»");
}

// Every visible label, button, box title and tab of `window` whose text
// does not fit the room it has, as "name «text»: needs N, has M".
QStringList cutTexts(QWidget *window)
{
    QStringList faults;
    const auto fault = [&faults](const QWidget *w, const QString &text, int needs, int has) {
        if (needs > has)
            faults << nameOf(w, text) + QStringLiteral(": needs %1, has %2").arg(needs).arg(has);
    };
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        if (label->wordWrap())
            fault(label, label->text(), label->heightForWidth(label->width()), label->height());
        else
            fault(label, label->text(), label->sizeHint().width(), label->width());
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!button->isVisibleTo(window) || button->text().isEmpty() || qobject_cast<QToolButton *>(button))
            continue;
        if (qobject_cast<QPushButton *>(button)) {
            // A push button's size hint is at least 80 pixels wide, whatever
            // its text. The style draws the icon and the text inside the
            // frame (and the default button's indicator), and cuts off what
            // does not fit there.
            const QStyle *style = button->style();
            const auto *push = static_cast<QPushButton *>(button);
            const int margins = 2 * (style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button)
                                     + (push->autoDefault() || push->isDefault()
                                            ? style->pixelMetric(QStyle::PM_ButtonDefaultIndicator, nullptr, button)
                                            : 0));
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            const QString text = QString(button->text()).remove(u'&');
            fault(button, button->text(), button->fontMetrics().horizontalAdvance(text) + margins + icon, button->width());
        } else {
            fault(button, button->text(), button->sizeHint().width(), button->width());
        }
    }
    for (QGroupBox *box : window->findChildren<QGroupBox *>()) {
        if (!box->isVisibleTo(window) || box->title().isEmpty())
            continue;
        // The title sits in the frame, a little in from its left edge.
        fault(box, box->title(), box->fontMetrics().horizontalAdvance(box->title()) + 16, box->width());
    }
    for (QTabBar *bar : window->findChildren<QTabBar *>()) {
        for (int i = 0; i < bar->count(); ++i)
            fault(bar, bar->tabText(i), bar->fontMetrics().horizontalAdvance(bar->tabText(i)), bar->tabRect(i).width());
        const QRect last = bar->tabRect(bar->count() - 1);
        fault(bar, QStringLiteral("(all tabs)"), last.right() + 1, bar->width());
    }
    return faults;
}

} // namespace

class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { installTranslations(*QCoreApplication::instance(), Language::Norwegian); }

    // The notebook's tabs and the window's name in each language; Norwegian
    // loads no translation of the program's texts, and they stay as written.
    void windowTexts_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("tabs");
        QTest::addColumn<QString>("application");
        QTest::newRow("nb") << Language::Norwegian
                            << QStringList{"Oppstart", "DOS", "Ytelse", "Drivere", "Grensesnitt", "Disk", "Nettverk", "Fil"}
                            << "Rediger CONFIG.SYS";
        QTest::newRow("en") << Language::English
                            << QStringList{"Startup", "DOS", "Performance", "Drivers", "Interface", "Disk", "Network",
                                           "File"}
                            << "Edit CONFIG.SYS";
        QTest::newRow("de") << Language::German
                            << QStringList{"Systemstart", "DOS", "Leistung", "Treiber", "Oberfläche", "Laufwerke",
                                           "Netzwerk", "Datei"}
                            << "CONFIG.SYS bearbeiten";
    }
    void windowTexts()
    {
        QFETCH(Language, language);
        QFETCH(QStringList, tabs);
        QFETCH(QString, application);
        QVERIFY(installTranslations(*QCoreApplication::instance(), language));
        QCOMPARE(QCoreApplication::translate("os2setup", "Rediger CONFIG.SYS"), application);
        WindowOnDrive f({"SET PATH=C:\\OS2"});
        QCOMPARE(tabTexts(f.get<QTabWidget>("NoteBook")), tabs);
    }

    // Every page in turn: no text of the window is cut, in any language.
    void nothingCut_data()
    {
        QTest::addColumn<Language>("language");
        QTest::newRow("nb") << Language::Norwegian;
        QTest::newRow("en") << Language::English;
        QTest::newRow("de") << Language::German;
    }
    void nothingCut()
    {
        QFETCH(Language, language);
        QVERIFY(installTranslations(*QCoreApplication::instance(), language));
        WindowOnDrive f({"SET PATH=C:\\OS2"});
        auto *notebook = f.get<QTabWidget>("NoteBook");
        QStringList faults;
        for (int page = 0; page < notebook->count(); ++page) {
            notebook->setCurrentIndex(page);
            QCoreApplication::processEvents();
            for (const QString &fault : cutTexts(f.w.get()))
                if (!faults.contains(fault))
                    faults << fault;
        }
        // The find bar shares one row below the list, its count showing.
        QVERIFY(f.activate());
        QTest::keyClick(f.w.get(), Qt::Key_F, Qt::ControlModifier);
        auto *field = f.get<QLineEdit>("FinnFelt");
        QVERIFY(field->isVisible());
        QTest::keyClicks(field, QStringLiteral("SET"));
        QVERIFY(!f.text("FinnTall").isEmpty());
        faults << cutTexts(f.w.get());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
