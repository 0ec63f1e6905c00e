// What a screen reader is told beyond Qt's own: the window as a frame, the
// bars as sliders that read out their statement, and the status lines as live
// messages that are announced when their text changes.
#pragma once

#include <QAccessible>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;
class QWidget;

namespace a11y {

// Installs the interfaces below; call before the first window is made.
void install();

// Gives `widget` the accessible role `role` (QAccessible::Window for a frame,
// QAccessible::StatusBar or QAccessible::Notification for a status line).
void setRole(QWidget *widget, QAccessible::Role role);

// Tells a screen reader about each new text of the status lines: their text
// changes, their name follows, and a message that appears is shown anew (the
// event a reader speaks for a notification). Announced once the event that
// set the text has been handled, so that a line emptied and set again within
// one handler chain is announced once, with the text it ends with.
class StatusAnnouncer : public QObject
{
public:
    using QObject::QObject;

    // `label` is announced from now on, with the role `role`.
    void watch(QLabel *label, QAccessible::Role role);
    // The text of `label` may have changed.
    void changed(QLabel *label);

private:
    void announce();

    QHash<QLabel *, QString> m_announced;
    QList<QPointer<QLabel>> m_pending;
};

} // namespace a11y
