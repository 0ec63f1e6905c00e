// Showing the error of a failed file operation to the user.
#pragma once

#include "file_error.h"

#include <QString>

#include <exception>
#include <functional>

class QWidget;

namespace errors {

// Receives every message. The default shows a standard message box; tests put a
// recorder here so that no modal box ever blocks them.
using Sink = std::function<void(QWidget *parent, const QString &message)>;
void setSink(Sink sink);
void resetSink();

// Hands `message` to the sink once the current event has been handled, never in
// the middle of a chain of handlers.
void report(QWidget *parent, const QString &message);

// Runs `body`; an error thrown from it skips the rest of `body` and is reported.
// Every handler that touches files runs its steps through this.
template <typename F>
void guarded(QWidget *parent, F &&body)
{
    try {
        body();
    } catch (const FileError &e) {
        report(parent, e.message());
    } catch (const std::exception &e) {
        report(parent, QString::fromLocal8Bit(e.what()));
    }
}

} // namespace errors
