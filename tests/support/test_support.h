// Shared helpers of the GUI tests: a temporary drive C, the window on it, an
// error recorder in place of the message box, and widget lookup by name.
#pragma once

#include "platform/dos_path.h"
#include "app/os2form.h"
#include "pages/page.h"
#include "workspace/gated_document.h"
#include "workspace/question.h"
#include "workspace/status_area.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <concepts>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QListWidget;

class TestDrive
{
public:
    TestDrive();

    QString root() const { return m_dir.path(); }
    // Host path of `relative` ("OS2/BOOT/X.SYS") on the drive.
    QString path(const QString &relative) const;
    void write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;
    bool exists(const QString &relative) const;
    DriveMap map() const;

private:
    QTemporaryDir m_dir;
};

// Collects the error messages that one window would show in a message box.
// A message that the test never got from messages() fails the test when the
// recorder goes: an error box the test did not expect is a fault.
class ErrorRecorder
{
public:
    ErrorRecorder() = default;
    ~ErrorRecorder();
    ErrorRecorder(const ErrorRecorder &) = delete;
    ErrorRecorder &operator=(const ErrorRecorder &) = delete;
    // Lets the queued reports arrive and returns all messages so far.
    QStringList messages();

    // What the window reports to; it must not outlive the recorder.
    ErrorReporter::Sink sink();

private:
    QStringList m_messages;
    qsizetype m_seen = 0;
};

// Answers the questions that one window would ask in a message box: with the
// answers given, in turn, then with each question's safe answer. A question
// that the test neither answered beforehand nor got from asked() fails the
// test when the recorder goes.
class QuestionRecorder
{
public:
    QuestionRecorder() = default;
    ~QuestionRecorder();
    QuestionRecorder(const QuestionRecorder &) = delete;
    QuestionRecorder &operator=(const QuestionRecorder &) = delete;

    // The buttons to press for the next questions: the test expects as many.
    void answer(const QStringList &buttons);
    // The questions asked so far.
    const std::vector<Question> &asked();

    // What the window asks through; it must not outlive the recorder.
    Asker asker();

private:
    QStringList m_answers;
    std::vector<Question> m_asked;
    std::size_t m_expected = 0;
};

// Lines joined with CR LF after each, as a configuration file holds them.
QByteArray crlf(const QStringList &lines);

// Every entry below `folder`, sorted: "name -> target" for a link (as
// written), "name: bytes" for a file, "name/" for a folder.
QStringList snapshot(const QString &folder);

// The texts of the entries of `list`, in order.
QStringList rowsOf(const QListWidget *list);

// Types `text` into `target` one key event per character, like a keyboard does;
// unlike QTest::keyClicks it takes any character.
void typeText(QWidget *target, const QString &text);

// A test that needs what the machine lacks or refuses: skipped on a
// developer's machine, failed under CI (CI=true), which installs every
// package (scripts/setup.sh) and runs as root, so that a check never passes
// there without running.
#define SKIP_UNLESS_CI(why)                                                                                  \
    do {                                                                                                       \
        if (qgetenv("CI") == "true")                                                                           \
            QFAIL("under CI: " why);                                                                           \
        QSKIP(why);                                                                                            \
    } while (false)
// A font or a translation the machine lacks.
#define SKIP_WITHOUT_INSTALLED(what) SKIP_UNLESS_CI("not installed: " what)

// Small file systems (tmpfs) mounted for a test, root only; each is unmounted,
// the last first, when this goes.
class TmpfsMounts
{
public:
    TmpfsMounts() = default;
    ~TmpfsMounts();
    TmpfsMounts(const TmpfsMounts &) = delete;
    TmpfsMounts &operator=(const TmpfsMounts &) = delete;
    // Mounts one on `folder`; false where mounting is not allowed.
    bool mount(const QString &folder, const QString &options = QStringLiteral("size=64k"));
    bool remountReadOnly(const QString &folder);
    // Mounts `path` (a file or a folder) on itself, read-only: not even root
    // may change it or its permissions there.
    bool bindReadOnly(const QString &path);
    // Unmounts the last one on `folder`.
    bool unmount(const QString &folder);

private:
    QStringList m_folders;
};
// Mounts a tmpfs or skips the test (fails it under CI, where mounting works).
#define MOUNT_OR_SKIP(mounts, ...)                                                                            \
    do {                                                                                                       \
        if (!(mounts).mount(__VA_ARGS__))                                                                      \
            SKIP_UNLESS_CI("no file system can be mounted here");                                              \
    } while (false)

template <typename T>
T *widget(QWidget *window, const char *name)
{
    T *w = window->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no widget %s", name);
    return w;
}

Q_DECLARE_METATYPE(PageId)

// The bytes a CONFIG.SYS holds, exactly; for the window fixture, beside its list of lines.
// Made from a QByteArray only, so that a braced list of lines never reads as bytes.
struct ConfigBytes
{
    template <std::same_as<QByteArray> T>
    explicit ConfigBytes(T b) : bytes(std::move(b))
    {
    }
    QByteArray bytes;
};

// The window fixture of every window test: the real window on a temporary
// drive C whose CONFIG.SYS holds the lines given (or on drives of the test's
// own), switched to `page` when one is named. The window reports its errors
// and asks its questions to its own recorders, which come first, so that the
// window's own load and scans reach them too.
struct WindowOnDrive
{
    ErrorRecorder errors;
    QuestionRecorder questions;
    TestDrive c;
    std::unique_ptr<TOs2Form> w;
    QStringList writes; // every line given to the document, as "row:text"

    // `files` are put on the drive before the window opens: "NAME=a|b" a file of these
    // lines, "NAME!=a" the same without write permission, "NAME/" a folder,
    // "NAME->TARGET" a symbolic link to TARGET as written, "NAME=>OTHER" a hard link
    // to the file OTHER on the drive.
    // The window is shown at once, or (Later) left for the test to show.
    enum class Show { Now, Later };
    explicit WindowOnDrive(const QStringList &lines, std::optional<PageId> page = {}, const QStringList &files = {},
                           Show show = Show::Now);
    explicit WindowOnDrive(const ConfigBytes &config, std::optional<PageId> page = {}, const QStringList &files = {},
                           Show show = Show::Now);
    // The window on `drives` with `arguments` as its command line; `c` holds no CONFIG.SYS.
    WindowOnDrive(const DriveMap &drives, const QStringList &arguments, std::optional<PageId> page = {});
    // Lets the window's queued reports reach the recorder before the window goes.
    ~WindowOnDrive();
    WindowOnDrive(const WindowOnDrive &) = delete;
    WindowOnDrive &operator=(const WindowOnDrive &) = delete;

    template <typename T = QWidget>
    T *get(const QString &name) const
    {
        return widget<T>(w.get(), qPrintable(name));
    }
    void show(PageId page) const;
    // Makes the window the active one; false if it does not become so in time.
    bool activate() const;
    // A mouse click near the left edge of the control `name`: a box or a radio item only
    // takes clicks on its mark and caption.
    void click(const QString &name) const;
    // A mouse click in the middle of the button `name`.
    void press(const QString &name) const;
    // The bar `name` dragged to `value`, as the user moves its thumb.
    void drag(const QString &name, int value) const;
    // A mouse click on entry `row` of the list `name` (a list view or a list widget).
    void pick(const QString &name, int row, Qt::KeyboardModifiers modifiers = {}) const;
    // The "text" of a label, line edit or button.
    QString text(const QString &name) const;
    bool isChecked(const QString &name) const;
    bool isEnabled(const QString &name) const;
    // Of the boxes `names`, those that are checked, joined by blanks.
    QString checked(const QStringList &names) const;
    // The document as display text, one entry per line.
    QStringList lines() const;
    // The document line selected, -1 for none.
    int selected() const;
    // The status area: Edit1, the line label, the hint (Label3), the message (Label2) and the
    // selected line.
    QStringList status() const;

private:
    void open(const DriveMap &drives, const QStringList &arguments, std::optional<PageId> page, Show show);
};

// The hint line while the edit line takes no typing and no page gives a hint:
// it shows nothing, another line than the selected one, or a statement the
// file lacks.
namespace lockedHint {
inline const QString nothing = QStringLiteral("Velg en linje på «Fil», eller klikk en innstilling, for å endre den her");
inline const QString elsewhere =
    QStringLiteral("For å endre linjen: klikk innstillingen den hører til, eller velg linjen på «Fil»");
inline const QString missing = QStringLiteral("Linjen står ikke i filen og kan ikke endres her");
} // namespace lockedHint

// The document's lines, byte for byte.
QList<QByteArray> documentBytes(const TOs2Form &w);

// Line `row` of "Fil" picked and the yellow line in focus.
void pickAndFocus(WindowOnDrive &win, int row);

// `key` pressed and released where the focus is in `window` (the window
// itself when nothing in it has the focus), as the keyboard sends it: the
// window's shortcuts get it first.
void pressKey(QWidget *window, QKeyCombination key);

// What a run of a command printed, and its status.
struct CommandRun
{
    int status = -1;
    QString out;
    QString err;
};

// All a command wrote to the temporary file `f`, from its start.
QString readWhole(std::FILE *f);

// A file with a line for each kind of page control the undo tests click.
inline const QStringList kUndoConfig{"REM first",
                                     "SET AUTOSTART=FOLDERS,PROGRAMS",
                                     "SHELL=C:\\OS2\\MDOS\\COMMAND.COM",
                                     "THREADS=256",
                                     "MAXWAIT=3",
                                     "PRIORITY=DYNAMIC",
                                     "TIMESLICE=32,1000",
                                     "PROTECTONLY=NO",
                                     "IFS=C:\\OS2\\HPFS.IFS"};

// The document's undo and redo keys.
inline constexpr QKeyCombination kUndo(Qt::ControlModifier, Qt::Key_Z);
inline constexpr QKeyCombination kRedo(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
inline constexpr QKeyCombination kRedoY(Qt::ControlModifier, Qt::Key_Y);

// The bytes of a fixture in tests/data ("ecs-thinkpad.config.sys").
QByteArray fixture(const QString &name);
