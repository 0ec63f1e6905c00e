// Showing the error of a failed file operation to the user.
#include "error_report.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

namespace errors {
namespace {

void showBox(QWidget *parent, const QString &message)
{
    QMessageBox::critical(parent, QCoreApplication::applicationName(), message);
}

Sink &sink()
{
    static Sink s = showBox;
    return s;
}

} // namespace

void setSink(Sink s)
{
    sink() = std::move(s);
}

void resetSink()
{
    sink() = showBox;
}

void report(QWidget *parent, const QString &message)
{
    // A handler that re-enters itself meets the same failure twice; the user
    // hears of it once.
    static QStringList pending;
    if (pending.contains(message))
        return;
    pending.append(message);
    QPointer<QWidget> guard(parent);
    QTimer::singleShot(0, QCoreApplication::instance(), [guard, message] {
        pending.removeOne(message);
        sink()(guard.data(), message);
    });
}

} // namespace errors
