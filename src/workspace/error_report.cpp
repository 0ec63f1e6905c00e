// Showing the error of a failed file operation to the user.
#include "workspace/error_report.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMessageBox>
#include <QTimer>

ErrorReporter::ErrorReporter(QWidget *window, Sink sink)
    : QObject(window)
    , m_sink(std::move(sink))
{
    if (!m_sink)
        m_sink = [](QWidget *parent, const QString &message) {
            QMessageBox::critical(parent, QCoreApplication::applicationName(), message);
        };
}

void ErrorReporter::report(const QString &message)
{
    if (m_pending.contains(message))
        return;
    m_pending.append(message);
    QTimer::singleShot(0, this, [this, message] {
        m_pending.removeOne(message);
        // The reporter is the window's child, so the window is still there.
        m_sink(static_cast<QWidget *>(parent()), message);
    });
}

void ErrorReporter::fault(const std::exception &e)
{
    qCritical("a fault of the program, not of a file: %s", e.what());
    Q_ASSERT_X(false, "ErrorReporter::guarded", e.what());
}
