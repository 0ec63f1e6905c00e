// Shared helpers of the GUI tests.
#include "test_support.h"

#include "platform/text8.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QKeyEvent>
#include <QListWidget>
#include <QProcess>
#include <QTabWidget>

#include <unistd.h>

#include <algorithm>

namespace {

// The data folder of the test windows: a temporary one for the whole program.
QString dataFolder()
{
    static const QTemporaryDir folder;
    return folder.path();
}

// The document as display text, one entry per line.
QStringList documentLines(const TOs2Form &window)
{
    QStringList out;
    for (const std::string &line : window.document().lines())
        out << text8::toDisplay(line);
    return out;
}

} // namespace

TestDrive::TestDrive()
{
    if (!m_dir.isValid())
        qFatal("no temporary folder");
}

QString TestDrive::path(const QString &relative) const
{
    return m_dir.filePath(relative);
}

void TestDrive::write(const QString &relative, const QByteArray &bytes) const
{
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file));
}

QByteArray TestDrive::read(const QString &relative) const
{
    QFile f(path(relative));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool TestDrive::exists(const QString &relative) const
{
    return QFileInfo::exists(path(relative));
}

DriveMap TestDrive::map() const
{
    DriveMap drives;
    drives.setDrive(u'C', root());
    return drives;
}

ErrorRecorder::~ErrorRecorder()
{
    QCoreApplication::processEvents();
    if (m_messages.size() > m_seen)
        QTest::qFail(qPrintable(QStringLiteral("unexpected error report: ") + m_messages.mid(m_seen).join(u'\n')),
                     __FILE__, __LINE__);
}

ErrorReporter::Sink ErrorRecorder::sink()
{
    return [this](QWidget *, const QString &message) { m_messages.append(message); };
}

QStringList ErrorRecorder::messages()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    m_seen = m_messages.size();
    return m_messages;
}

QuestionRecorder::~QuestionRecorder()
{
    if (m_asked.size() > m_expected)
        QTest::qFail(qPrintable(QStringLiteral("unexpected question: ") + m_asked[m_expected].text), __FILE__, __LINE__);
}

void QuestionRecorder::answer(const QStringList &buttons)
{
    m_answers += buttons;
    m_expected = std::max(m_expected, m_asked.size()) + static_cast<std::size_t>(buttons.size());
}

const std::vector<Question> &QuestionRecorder::asked()
{
    m_expected = std::max(m_expected, m_asked.size());
    return m_asked;
}

Asker QuestionRecorder::asker()
{
    return [this](QWidget *, const Question &question) {
        m_asked.push_back(question);
        return m_answers.isEmpty() ? question.safeAnswer : m_answers.takeFirst();
    };
}

QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines)
        out += QByteArray::fromStdString(text8::fromDisplay(line).value()) + "\r\n";
    return out;
}

QStringList snapshot(const QString &folder)
{
    QStringList out;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        const QString name = QDir(folder).relativeFilePath(path);
        char target[4096];
        const ssize_t n = ::readlink(QFile::encodeName(path).constData(), target, sizeof target);
        if (n >= 0) {
            out << name + " -> " + QFile::decodeName(QByteArray(target, n));
        } else if (info.isDir()) {
            out << name + u'/';
        } else {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            out << name + ": " + QString::fromLatin1(f.readAll());
        }
    }
    out.sort();
    return out;
}

QStringList rowsOf(const QListWidget *list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

void typeText(QWidget *target, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(target, &press);
        QCoreApplication::sendEvent(target, &release);
    }
}

QString readWhole(std::FILE *f)
{
    std::rewind(f);
    QByteArray bytes;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, f))
        bytes.append(buffer, static_cast<qsizetype>(n));
    return QString::fromLocal8Bit(bytes);
}

void pickAndFocus(WindowOnDrive &win, int row)
{
    win.pick("ListBox", row);
    win.get("Edit1")->setFocus();
}

QList<QByteArray> documentBytes(const TOs2Form &w)
{
    QList<QByteArray> lines;
    for (const std::string &line : w.document().lines())
        lines << QByteArray::fromStdString(line);
    return lines;
}

void pressKey(QWidget *window, QKeyCombination key)
{
    QWidget *focus = QApplication::focusWidget();
    QWidget *target = focus && focus->window() == window ? focus : window;
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

QByteArray fixture(const QString &name)
{
    QFile f(QStringLiteral(OS2SETUP_TEST_DATA "/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("no fixture %s", qPrintable(name));
    return f.readAll();
}

WindowOnDrive::WindowOnDrive(const QStringList &lines, std::optional<PageId> page, const QStringList &files,
                             Show show)
    : WindowOnDrive(ConfigBytes{crlf(lines)}, page, files, show)
{
}

WindowOnDrive::WindowOnDrive(const ConfigBytes &config, std::optional<PageId> page, const QStringList &files,
                             Show show)
{
    c.write("CONFIG.SYS", config.bytes);
    for (const QString &f : files) {
        if (f.contains(QStringLiteral("->"))) {
            if (!QFile::link(f.section(QStringLiteral("->"), 1), c.path(f.section(QStringLiteral("->"), 0, 0))))
                qFatal("cannot link %s", qPrintable(f));
            continue;
        }
        if (f.contains(QStringLiteral("=>"))) {
            if (::link(QFile::encodeName(c.path(f.section(QStringLiteral("=>"), 1))).constData(),
                       QFile::encodeName(c.path(f.section(QStringLiteral("=>"), 0, 0))).constData()) != 0)
                qFatal("cannot link %s", qPrintable(f));
            continue;
        }
        const QString name = f.section(u'=', 0, 0).remove(u'!'), text = f.section(u'=', 1);
        if (f.endsWith(u'/'))
            QDir(c.root()).mkdir(f.chopped(1));
        else
            c.write(name, text.isEmpty() ? QByteArray() : crlf(text.split(u'|')));
        if (f.contains(u"!="))
            QFile::setPermissions(c.path(name), QFileDevice::ReadOwner);
    }
    open(c.map(), {}, page, show);
}

WindowOnDrive::WindowOnDrive(const DriveMap &drives, const QStringList &arguments, std::optional<PageId> page)
{
    open(drives, arguments, page, Show::Now);
}

WindowOnDrive::~WindowOnDrive()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void WindowOnDrive::open(const DriveMap &drives, const QStringList &arguments, std::optional<PageId> page,
                         Show showing)
{
    w = std::make_unique<TOs2Form>(arguments, drives, errors.sink());
    w->setAsker(questions.asker());
    // The copies of a replaced CONFIG.SYS never go to the user's own folder.
    w->setDataFolder(dataFolder());
    if (showing == Show::Now) {
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            qWarning("window not exposed");
    }
    QObject::connect(&w->document(), &Document::dataChanged, w.get(), [this](const QModelIndex &i) {
        writes << QString::number(i.row()) + u':' + i.data().toString();
    });
    if (page)
        show(*page);
}

void WindowOnDrive::show(PageId page) const
{
    w->showPage(page);
}

bool WindowOnDrive::activate() const
{
    QApplication::setActiveWindow(w.get());
    return QTest::qWaitForWindowActive(w.get());
}

void WindowOnDrive::click(const QString &name) const
{
    QTest::mouseClick(get(name), Qt::LeftButton, {}, QPoint(6, 8));
}

void WindowOnDrive::press(const QString &name) const
{
    QTest::mouseClick(get(name), Qt::LeftButton);
}

void WindowOnDrive::drag(const QString &name, int value) const
{
    // Pressed on the thumb, moved, let go: a bar that tracks its thumb reports
    // the move as the user's action.
    auto *bar = get<QAbstractSlider>(name);
    bar->setSliderDown(true);
    bar->setSliderPosition(value);
    bar->setSliderDown(false);
}

void WindowOnDrive::pick(const QString &name, int row, Qt::KeyboardModifiers modifiers) const
{
    auto *view = get<QAbstractItemView>(name);
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, view->visualRect(index).center());
}

QString WindowOnDrive::text(const QString &name) const
{
    return get(name)->property("text").toString();
}

bool WindowOnDrive::isChecked(const QString &name) const
{
    return get<QAbstractButton>(name)->isChecked();
}

bool WindowOnDrive::isEnabled(const QString &name) const
{
    return get(name)->isEnabled();
}

QString WindowOnDrive::checked(const QStringList &names) const
{
    QStringList on;
    for (const QString &name : names)
        if (isChecked(name))
            on << name;
    return on.join(u' ');
}

QStringList WindowOnDrive::lines() const
{
    return documentLines(*w);
}

int WindowOnDrive::selected() const
{
    return w->status().selectedLine();
}

QStringList WindowOnDrive::status() const
{
    return {text("Edit1"), text("LinjeLabel"), text("Label3"), text("Label2"), QString::number(selected())};
}

TmpfsMounts::~TmpfsMounts()
{
    // A copy: unmount() takes the folder out of the list.
    while (!m_folders.isEmpty()) {
        const QString folder = m_folders.last();
        unmount(folder);
    }
}

bool TmpfsMounts::mount(const QString &folder, const QString &options)
{
    if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", options, "tmpfs", folder}) != 0)
        return false;
    m_folders << folder;
    return true;
}

bool TmpfsMounts::remountReadOnly(const QString &folder)
{
    return QProcess::execute(QStringLiteral("mount"), {"-o", "remount,ro", folder}) == 0;
}

bool TmpfsMounts::bindReadOnly(const QString &path)
{
    if (QProcess::execute(QStringLiteral("mount"), {"--bind", path, path}) != 0)
        return false;
    m_folders << path;
    return QProcess::execute(QStringLiteral("mount"), {"-o", "remount,bind,ro", path}) == 0;
}

bool TmpfsMounts::unmount(const QString &folder)
{
    const qsizetype at = m_folders.lastIndexOf(folder);
    if (at < 0)
        return false;
    m_folders.removeAt(at);
    return QProcess::execute(QStringLiteral("umount"), {folder}) == 0;
}
