// Showing the error of a failed file operation to the user.
#pragma once

#include "platform/file_error.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <exception>
#include <functional>

// Each window owns one. A message is shown once the current event has been
// handled, never in the middle of a chain of handlers, and a message already
// waiting is not queued twice (a handler that re-enters itself meets the same
// failure twice; the user hears of it once).
class ErrorReporter : public QObject
{
public:
    // Receives every message. The default shows a standard message box; tests
    // give a recorder, so that no modal box ever blocks them.
    using Sink = std::function<void(QWidget *parent, const QString &message)>;

    explicit ErrorReporter(QWidget *window, Sink sink = {});

    void report(const QString &message);

    // Runs `body`; a file error thrown from it skips the rest of `body` and is
    // reported. Every handler that can reach the file system runs its steps
    // through this. Any other exception is a fault of the program, not of a
    // file: a debug build stops on it; otherwise it is logged, never shown
    // as if the user could do something about it, and never let through a
    // Qt signal.
    template <typename F>
    void guarded(F &&body)
    {
        try {
            body();
        } catch (const FileError &e) {
            report(e.message());
        } catch (const std::exception &e) {
            fault(e);
        }
    }

private:
    static void fault(const std::exception &e);

    Sink m_sink;
    QStringList m_pending;
};
