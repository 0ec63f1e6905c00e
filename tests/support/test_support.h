// Shared helpers of the GUI tests: a temporary drive C, the window on it, an
// error recorder in place of the message box, and widget lookup by name.
#pragma once

#include "platform/dos_path.h"
#include "app/os2form.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

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

// Collects the error messages that the windows would show in a message box,
// while it lives; the windows of openWindow() report to the latest recorder.
class ErrorRecorder
{
public:
    ErrorRecorder();
    ~ErrorRecorder();
    ErrorRecorder(const ErrorRecorder &) = delete;
    ErrorRecorder &operator=(const ErrorRecorder &) = delete;
    // Lets the queued reports arrive and returns all messages so far.
    QStringList messages();

    // What the test windows report to.
    static ErrorReporter::Sink sink();

private:
    std::shared_ptr<QStringList> m_messages;
    ErrorRecorder *const m_previous;
};

// Lines joined with CR LF after each, as a configuration file holds them.
QByteArray crlf(const QStringList &lines);

std::unique_ptr<TOs2Form> openWindow(const DriveMap &drives, const QStringList &arguments = {});

// The document as display text, one entry per line.
QStringList documentLines(const TOs2Form &window);

// Types `text` into `target` one key event per character, like a keyboard does;
// unlike QTest::keyClicks it takes any character.
void typeText(QWidget *target, const QString &text);

template <typename T>
T *widget(QWidget *window, const char *name)
{
    T *w = window->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no widget %s", name);
    return w;
}

// The real window on a temporary drive C whose CONFIG.SYS holds `lines`,
// switched to `page` unless it is -1.
struct WindowOnDrive
{
    TestDrive c;
    std::unique_ptr<TOs2Form> w;
    QStringList writes; // every line given to the document, as "row:text"

    explicit WindowOnDrive(const QStringList &lines, int page = -1);
    // A mouse click near the left edge of the control `name`: a box, a button.
    void click(const QString &name);
    // The "text" of a label, line edit or button.
    QString text(const QString &name) const;
    // Of the boxes `names`, those that are checked, joined by blanks.
    QString checked(const QStringList &names) const;
};

// The bytes of a fixture in tests/data ("ecs-thinkpad.config.sys").
QByteArray fixture(const QString &name);
