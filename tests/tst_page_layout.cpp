// Checks the seven settings pages as built from their .ui files: every control's
// name, class, container, place and caption, the radio items, the scroll-bar
// ranges, the fonts and the states the controls start in.
#include "engine/catalogue.h"
#include "test_support.h"
#include "workspace/text8_memo.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QtTest>

#include <memory>

class TestPageLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void pages_data();
    void pages();
    void controls_data();
    void controls();
    void radioGroups_data();
    void radioGroups();
    void scrollBars_data();
    void scrollBars();
    void fonts_data();
    void fonts();
    void otherControlsUseTheWindowFont();
    void initialStates();
    void captionsFit();

private:
    QWidget *page(const QString &className) const;
    QWidget *control(const QString &name) const;
    template<class T>
    QList<T *> all() const;

    // The real window on an empty CONFIG.SYS, so the scan leaves every control
    // in the state it starts in.
    std::unique_ptr<WindowOnDrive> m_fixture;
    TOs2Form *m_window = nullptr;
    QList<QWidget *> m_pages;
};

static QFont windowFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(12);
    return font;
}

void TestPageLayout::initTestCase()
{
    m_fixture = std::make_unique<WindowOnDrive>(ConfigBytes{QByteArray()});
    m_window = m_fixture->w.get();
    auto *notebook = widget<QTabWidget>(m_window, "NoteBook");
    for (int i = 0; i < 7; ++i) {
        QWidget *tab = notebook->widget(i);
        QCOMPARE(tab->children().size(), 1);
        m_pages << qobject_cast<QWidget *>(tab->children().first());
    }
    // Style-sheet fonts and colours take effect when a widget is polished.
    m_window->ensurePolished();
}

QWidget *TestPageLayout::page(const QString &className) const
{
    for (QWidget *p : m_pages) {
        if (p->objectName() == className)
            return p;
    }
    return nullptr;
}

QWidget *TestPageLayout::control(const QString &name) const
{
    for (QWidget *p : m_pages) {
        if (auto *w = p->findChild<QWidget *>(name))
            return w;
    }
    return nullptr;
}

template<class T>
QList<T *> TestPageLayout::all() const
{
    QList<T *> out;
    for (QWidget *p : m_pages)
        out += p->findChildren<T *>();
    return out;
}

static QString captionOf(const QWidget *w)
{
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text();
    if (auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    if (auto *g = qobject_cast<const QGroupBox *>(w))
        return g->title();
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return e->text();
    if (auto *m = qobject_cast<const QPlainTextEdit *>(w))
        return m->toPlainText();
    return QString();
}

void TestPageLayout::pages_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");

    const char *rows[][2] = {{"StartupPage", "Oppstart"},    {"DosPage", "DOS"},
                             {"PerformancePage", "Ytelse"},  {"DriversPage", "Drivere"},
                             {"InterfacePage", "Grensesnitt"}, {"DiskPage", "Disk"},
                             {"NetworkPage", "Nettverk"}};
    for (int i = 0; i < 7; ++i)
        QTest::addRow("%s", rows[i][0]) << i << QString::fromLatin1(rows[i][0]) << QString::fromUtf8(rows[i][1]);
}

void TestPageLayout::pages()
{
    QFETCH(int, index);
    QFETCH(QString, className);
    QFETCH(QString, caption);

    QWidget *p = m_pages.at(index);
    QCOMPARE(widget<QTabWidget>(m_window, "NoteBook")->tabText(index), caption);
    QCOMPARE(QString::fromLatin1(p->metaObject()->className()), className);
    QCOMPARE(p->objectName(), className);
    QCOMPARE(p->size(), QSize(626, 259));
    QCOMPARE(p->minimumSize(), QSize(626, 259));
    QCOMPARE(p->maximumSize(), QSize(626, 259));
    QCOMPARE(p->windowTitle(), caption);
}

void TestPageLayout::controls_data()
{
    QTest::addColumn<QString>("pageName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("caption"); // null: the control has none

    // Rows in the order of the pages; a container's controls follow it.
    QString pageName;
    auto row = [&pageName](const char *name, const char *cls, const char *parent, QRect place,
                           const char *caption = nullptr) {
        QTest::addRow("%s", name) << pageName << QString::fromLatin1(name) << QString::fromLatin1(cls)
                                  << (parent ? QString::fromLatin1(parent) : pageName) << place
                                  << (caption ? QString::fromUtf8(caption) : QString());
    };
    const char *onPage = nullptr;

    pageName = QStringLiteral("StartupPage");
    row("restartgroup", "QGroupBox", onPage, {8, 8, 313, 113}, "Automatisk oppstart");
    row("LeggTilRestartKnapp", "QPushButton", onPage, {160, 24, 153, 25}, "Legg til config.sys");
    row("Panel9", "QFrame", onPage, {328, 16, 289, 105});
    row("protectonly", "QCheckBox", "Panel9", {16, 16, 145, 17}, "Beskyttet modus");
    row("Panel3", "QFrame", onPage, {8, 128, 609, 121});
    row("startupcmd", "QCheckBox", "Panel3", {8, 8, 121, 17}, "STARTUP.CMD");
    row("NyStartupKnapp", "QPushButton", "Panel3", {24, 32, 89, 25}, "Ny");
    row("LagreStartupKnapp", "QPushButton", "Panel3", {24, 56, 89, 25}, "Lagre");
    row("SlettStartupKnapp", "QPushButton", "Panel3", {24, 80, 89, 25}, "Slett");
    row("StartupMemo", "Text8Memo", "Panel3", {136, 8, 465, 100}, "");

    pageName = QStringLiteral("DosPage");
    row("Panel5", "QFrame", onPage, {8, 8, 609, 113});
    row("vemmsys", "QCheckBox", "Panel5", {16, 8, 153, 17}, "Expanded memory");
    row("vxmssys", "QCheckBox", "Panel5", {16, 24, 145, 17}, "Extended memory");
    row("vdpmisys", "QCheckBox", "Panel5", {16, 40, 217, 17}, "DOS protected mode memory");
    row("ansisys", "QCheckBox", "Panel5", {16, 56, 257, 17}, "Utvidet støtte for skjerm og tastbord");
    row("vmousesys", "QCheckBox", "Panel5", {16, 72, 121, 17}, "Støtte for mus");
    row("vcdromsys", "QCheckBox", "Panel5", {16, 88, 97, 17}, "CD-ROM");
    row("vwinsys", "QCheckBox", "Panel5", {320, 8, 129, 17}, "Windows støtte");
    row("vw32ssys", "QCheckBox", "Panel5", {320, 24, 121, 17}, "Windows 32s");
    row("Kommandotolk", "QLabel", "Panel5", {320, 56, 86, 15}, "Kommandotolk");
    row("shell", "QLineEdit", "Panel5", {320, 72, 273, 23}, " ");
    row("Panel8", "QFrame", onPage, {8, 128, 609, 121});
    row("autoexec", "QCheckBox", "Panel8", {8, 8, 121, 17}, "AUTOEXEC.BAT");
    row("NyAutoexecKnapp", "QPushButton", "Panel8", {24, 32, 89, 25}, "Ny");
    row("LagreAutoexecKnapp", "QPushButton", "Panel8", {24, 56, 89, 25}, "Lagre");
    row("SlettAutoexecKnapp", "QPushButton", "Panel8", {24, 80, 89, 25}, "Slett");
    row("autoexecmemo", "Text8Memo", "Panel8", {128, 8, 465, 100});

    pageName = QStringLiteral("PerformancePage");
    row("Label8", "QLabel", onPage, {56, 16, 156, 15}, "THREADS, uavhengie tråder");
    row("Threads", "QScrollBar", onPage, {56, 32, 537, 17});
    row("Label12", "QLabel", onPage, {56, 64, 56, 15}, "TIMESLICE");
    row("TimeSliceX", "QScrollBar", onPage, {56, 80, 337, 17});
    row("Label10", "QLabel", onPage, {400, 80, 199, 15}, "korteste tid på en tråd i millisekund");
    row("TimeSliceY", "QScrollBar", onPage, {56, 104, 337, 17});
    row("Label11", "QLabel", onPage, {400, 104, 193, 15}, "lengste tid på en tråd i millisekund");
    row("Priority", "QGroupBox", onPage, {56, 136, 537, 65}, "PRIORITY");
    row("MaxWaitLAbel", "QLabel", onPage, {56, 208, 283, 15}, "MAXWAIT, ventetid i sekunder før høyere prioritet");
    row("MaxWait", "QScrollBar", onPage, {56, 224, 537, 17});

    pageName = QStringLiteral("DriversPage");
    row("GroupBox3", "QGroupBox", onPage, {16, 16, 169, 225}, "Drivere");
    row("devicelist", "QListWidget", "GroupBox3", {16, 24, 137, 185});
    row("GroupBox2", "QGroupBox", onPage, {208, 16, 401, 225}, "Basis styreprogram");
    row("Labelbasedev1", "QLabel", "GroupBox2", {16, 24, 57, 15}, "Innstallert");
    row("basedevlist", "QListWidget", "GroupBox2", {16, 40, 137, 169});
    row("tavekkKnapp", "QPushButton", "GroupBox2", {160, 72, 73, 33}, "ta vekk");
    row("LeggTilKnapp", "QPushButton", "GroupBox2", {160, 128, 73, 33}, "legg til");
    row("Labelbasedev2", "QLabel", "GroupBox2", {250, 24, 64, 15}, "Tilgjengelig");
    row("basedevlist2", "QListWidget", "GroupBox2", {248, 40, 137, 169});

    pageName = QStringLiteral("InterfacePage");
    row("Panel4", "QFrame", onPage, {8, 8, 609, 241});
    row("programs", "QCheckBox", "Panel4", {40, 32, 113, 17}, "Programmer");
    row("folders", "QCheckBox", "Panel4", {40, 72, 97, 17}, "Mapper");
    row("tasklist", "QCheckBox", "Panel4", {40, 112, 145, 17}, "Vindusoversikt");
    row("Connections", "QCheckBox", "Panel4", {40, 152, 193, 17}, "Nettverksforbindelser");
    row("WarpCenter", "QCheckBox", "Panel4", {40, 192, 185, 17}, "WarpCenter (statuslinje)");
    row("Label1", "QLabel", "Panel4", {296, 24, 66, 15}, "Grensesnitt");
    row("runworkplace", "QLineEdit", "Panel4", {296, 40, 289, 23}, "");

    pageName = QStringLiteral("DiskPage");
    row("GroupBox1", "QGroupBox", onPage, {8, 8, 289, 241}, "Installerte filsystem");
    row("hpfs", "QCheckBox", "GroupBox1", {16, 32, 249, 17}, "HPFS, High Performance File System");
    row("cdfs", "QCheckBox", "GroupBox1", {16, 64, 185, 17}, "CDFS, CD-rom File System");
    row("LANFS", "QCheckBox", "GroupBox1", {16, 96, 185, 17}, "LAN, Local Area Network");
    row("MFSFS", "QCheckBox", "GroupBox1", {16, 128, 241, 17}, "MFS, Mobile File Sync (mobilt kontor)");
    row("Panel6", "QFrame", onPage, {304, 16, 313, 233});
    row("fat", "QCheckBox", "Panel6", {16, 16, 225, 17}, "Hurtigbuffer til platelager (FAT)");

    pageName = QStringLiteral("NetworkPage");
    row("Label4", "QLabel", onPage, {8, 16, 54, 15}, "Protokoll ");
    row("ProtokollList", "QListWidget", onPage, {8, 32, 297, 97});
    row("Label5", "QLabel", onPage, {8, 136, 37, 15}, "TCP/IP");
    row("tcpiplist", "QListWidget", onPage, {8, 152, 297, 97});
    row("Label6", "QLabel", onPage, {320, 16, 23, 15}, "LAN");
    row("LANlist", "QListWidget", onPage, {320, 32, 297, 97});
    row("Label7", "QLabel", onPage, {320, 136, 74, 15}, "Mobilt kontor");
    row("mobillist", "QListWidget", onPage, {320, 152, 297, 97});
}

void TestPageLayout::controls()
{
    QFETCH(QString, pageName);
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    QFETCH(QRect, place);
    QFETCH(QString, caption);

    QWidget *p = page(pageName);
    QVERIFY(p);
    const QList<QWidget *> found = p->findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QWidget *w = found.first();
    // A control may be a subclass that adds to the kind (a bar that shows its focus).
    QVERIFY2(w->inherits(qPrintable(className)), w->metaObject()->className());
    QVERIFY(w->parentWidget());
    QCOMPARE(w->parentWidget()->objectName(), parentName);

    if (qobject_cast<QLabel *>(w)) {
        // A label stands at its place and is at least as wide as the place, wider
        // where its caption needs it (the widths were the caption's width in the
        // original font rendering).
        QCOMPARE(w->pos(), place.topLeft());
        QCOMPARE(w->height(), place.height());
        QVERIFY2(w->width() >= place.width(), qPrintable(QString::number(w->width())));
    } else {
        QCOMPARE(w->geometry(), place);
    }

    if (!caption.isNull())
        QCOMPARE(captionOf(w), caption);
}

void TestPageLayout::radioGroups_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("checked");

    QTest::newRow("restartgroup") << QStringLiteral("restartgroup")
                                  << QStringList{QStringLiteral("Ingen"), QStringLiteral("Oppstart-mappe"),
                                                 QStringLiteral("Kun ved Ctrl-Alt-Del og strømbrudd"),
                                                 QStringLiteral("Oppstart-mappe, bare ved omstart"), QStringLiteral("Åpne mapper og program")}
                                  << 4;
    QTest::newRow("Priority")
        << QStringLiteral("Priority")
        << QStringList{QStringLiteral("DYNAMIC, øker prioriteringen av tråder etter antall sekunder i MAXWAIT"),
                       QStringLiteral("ABSOLUTE,  trådens prioritet blir ikke endret")}
        << 0;
}

void TestPageLayout::radioGroups()
{
    QFETCH(QString, name);
    QFETCH(QStringList, items);
    QFETCH(int, checked);

    auto *group = qobject_cast<QGroupBox *>(control(name));
    QVERIFY(group);
    const QList<QRadioButton *> radios = group->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(radios.size(), items.size());
    const QRect inside = group->contentsRect();
    for (int i = 0; i < radios.size(); ++i) {
        QRadioButton *radio = radios.at(i);
        QCOMPARE(radio->objectName(), name + u'_' + QString::number(i));
        QCOMPARE(radio->text(), items.at(i));
        QCOMPARE(radio->isChecked(), i == checked);
        // One column, top to bottom, clear of the caption and the frame.
        QVERIFY2(inside.contains(radio->geometry()), qPrintable(radio->objectName()));
        if (i > 0) {
            QCOMPARE(radio->x(), radios.at(i - 1)->x());
            QVERIFY(radio->y() >= radios.at(i - 1)->geometry().bottom() + 1);
        }
    }
}

void TestPageLayout::scrollBars_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("singleStep");
    QTest::addColumn<int>("pageStep");

    QTest::newRow("Threads") << QStringLiteral("Threads") << 64 << 4095 << 1024 << 64 << 512;
    QTest::newRow("TimeSliceX") << QStringLiteral("TimeSliceX") << 16 << 32767 << 32 << 512 << 4096;
    QTest::newRow("TimeSliceY") << QStringLiteral("TimeSliceY") << 16 << 32767 << 32767 << 512 << 4096;
    QTest::newRow("MaxWait") << QStringLiteral("MaxWait") << 1 << 255 << 3 << 1 << 32;
}

void TestPageLayout::scrollBars()
{
    QFETCH(QString, name);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(int, singleStep);
    QFETCH(int, pageStep);

    auto *bar = qobject_cast<QScrollBar *>(control(name));
    QVERIFY(bar);
    QCOMPARE(bar->orientation(), Qt::Horizontal);
    QCOMPARE(bar->minimum(), minimum);
    QCOMPARE(bar->maximum(), maximum);
    QCOMPARE(bar->value(), value);
    QCOMPARE(bar->singleStep(), singleStep);
    QCOMPARE(bar->pageStep(), pageStep);
}

void TestPageLayout::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<QColor>("textColor"); // invalid: not checked

    QTest::newRow("restartgroup") << QStringLiteral("restartgroup") << 11 << QColor();
    QTest::newRow("restartgroup item") << QStringLiteral("restartgroup_2") << 11 << QColor();
    QTest::newRow("basedevlist") << QStringLiteral("basedevlist") << 13 << QColor(0, 0, 128);
    QTest::newRow("basedevlist2") << QStringLiteral("basedevlist2") << 13 << QColor(0, 0, 255);
}

void TestPageLayout::fonts()
{
    QFETCH(QString, name);
    QFETCH(int, pixelSize);
    QFETCH(QColor, textColor);

    QWidget *w = control(name);
    QVERIFY(w);
    QCOMPARE(w->font().family(), QStringLiteral("Arial"));
    QVERIFY(w->font().bold());
    QCOMPARE(w->font().pixelSize(), pixelSize);
    if (textColor.isValid())
        QCOMPARE(w->palette().color(QPalette::Text), textColor);
}

void TestPageLayout::otherControlsUseTheWindowFont()
{
    const QStringList ownFont = {QStringLiteral("restartgroup"), QStringLiteral("basedevlist"),
                                 QStringLiteral("basedevlist2")};
    for (QWidget *w : all<QWidget>()) {
        bool inherits = true;
        for (QWidget *a = w; a; a = a->parentWidget())
            inherits = inherits && !ownFont.contains(a->objectName());
        if (!inherits)
            continue;
        QVERIFY2(w->font() == windowFont(), qPrintable(w->objectName()));
    }
}

void TestPageLayout::initialStates()
{
    for (QCheckBox *box : all<QCheckBox>()) {
        QVERIFY2(box->checkState() == Qt::Unchecked, qPrintable(box->objectName()));
        QVERIFY(!box->isTristate());
    }

    // The lists' positions are the document's slots: never sorted, one entry selected.
    const QList<QListWidget *> lists = all<QListWidget>();
    QCOMPARE(lists.size(), 7);
    for (QListWidget *list : lists) {
        // On an empty document only the available base drivers are listed: all of them.
        QCOMPARE(list->count(), list->objectName() == u"basedevlist2" ? int(catalogue::BasedevRows) : 0);
        QVERIFY(!list->isSortingEnabled());
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    }

    const QList<Text8Memo *> memos = all<Text8Memo>();
    QCOMPARE(memos.size(), 2);
    for (Text8Memo *memo : memos) {
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
        QVERIFY(!memo->isReadOnly());
    }
    auto *autoexecmemo = qobject_cast<Text8Memo *>(control(QStringLiteral("autoexecmemo")));
    QVERIFY(autoexecmemo);
    QCOMPARE(autoexecmemo->lines(), (Lines{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    auto *startupMemo = qobject_cast<Text8Memo *>(control(QStringLiteral("StartupMemo")));
    QVERIFY(startupMemo);
    QCOMPARE(startupMemo->lineCount(), 0);

    // `shell` reads as a field the user does not type into: it has the button face.
    auto *shell = qobject_cast<QLineEdit *>(control(QStringLiteral("shell")));
    auto *runworkplace = qobject_cast<QLineEdit *>(control(QStringLiteral("runworkplace")));
    QVERIFY(shell && runworkplace);
    QCOMPARE(shell->palette().color(QPalette::Base), runworkplace->palette().color(QPalette::Button));

    // The glyph of "ta vekk" goes right of its caption, that of "legg til" left.
    QCOMPARE(control(QStringLiteral("tavekkKnapp"))->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(control(QStringLiteral("LeggTilKnapp"))->layoutDirection(), Qt::LeftToRight);

    for (QFrame *frame : all<QFrame>()) {
        if (frame->metaObject() == &QFrame::staticMetaObject)
            QVERIFY2(frame->frameShape() != QFrame::NoFrame, qPrintable(frame->objectName()));
    }
    // The scan disables the STARTUP.CMD buttons that have nothing to act on.
    const QStringList setByScan{"LagreStartupKnapp", "SlettStartupKnapp"};
    for (QWidget *w : all<QWidget>()) {
        QVERIFY2(w->isEnabled() != setByScan.contains(w->objectName()), qPrintable(w->objectName()));
        QVERIFY2(!w->isHidden() || w->objectName().startsWith(u"qt_"), qPrintable(w->objectName()));
    }
}

void TestPageLayout::captionsFit()
{
    const QString family = QFontInfo(windowFont()).family();
    if (family != u"Arial" && family != u"Liberation Sans")
        SKIP_WITHOUT_INSTALLED("Arial or a font with its metrics (Liberation Sans)");

    for (QLabel *label : all<QLabel>()) {
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(needed <= label->width(), qPrintable(label->objectName()));
    }
    for (QAbstractButton *button : all<QAbstractButton>()) {
        int needed = button->fontMetrics().horizontalAdvance(button->text());
        if (qobject_cast<QPushButton *>(button))
            needed += 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        else
            needed = button->sizeHint().width();
        QVERIFY2(needed <= button->width(), qPrintable(button->objectName()));
    }
    for (QGroupBox *group : all<QGroupBox>()) {
        const int needed = group->fontMetrics().horizontalAdvance(group->title());
        QVERIFY2(needed < group->width(), qPrintable(group->objectName()));
    }
}

QTEST_MAIN(TestPageLayout)
#include "tst_page_layout.moc"
