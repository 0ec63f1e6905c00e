// Showing the error of a failed file operation to the user.
#include "error_report.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
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
    QPointer<QWidget> guard(parent);
    QTimer::singleShot(0, QCoreApplication::instance(), [guard, message] {
        sink()(guard.data(), message);
    });
}

} // namespace errors
