// What a screen reader is told beyond Qt's own: the window as a frame, the
// bars as sliders that read out their statement, and the status lines as live
// messages that are announced when their text changes.
#include "workspace/accessibility.h"

#include <QAbstractSlider>
#include <QAccessibleWidget>
#include <QLabel>
#include <QTimer>

namespace a11y {
namespace {

constexpr char kRole[] = "os2setupAccessibleRole";

// A status line: read-only text whose text is also its name.
class StatusLineAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    StatusLineAccessible(QLabel *label, QAccessible::Role role) : QAccessibleWidget(label, role) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    // The text interface, over the label's plain text.
    QString text(int start, int end) const override { return label()->text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(label()->text().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    QLabel *label() const { return static_cast<QLabel *>(widget()); }
};

// A bar that stands for a statement: a slider whose value reads as the
// statement it writes where it stands (its tooltip), such as THREADS=1024.
class StatementSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit StatementSliderAccessible(QAbstractSlider *bar) : QAccessibleWidget(bar, QAccessible::Slider) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            return bar()->toolTip().isEmpty() ? QString::number(bar()->value()) : bar()->toolTip();
        return QAccessibleWidget::text(type);
    }

    QVariant currentValue() const override { return bar()->value(); }
    // A screen reader's move is the user's own, as a key on the bar would be:
    // the bar tracks its thumb, so it reports the move as the user's action.
    void setCurrentValue(const QVariant &value) override { bar()->setSliderPosition(value.toInt()); }
    QVariant maximumValue() const override { return bar()->maximum(); }
    QVariant minimumValue() const override { return bar()->minimum(); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    QAbstractSlider *bar() const { return static_cast<QAbstractSlider *>(widget()); }
};

QAccessibleInterface *makeInterface(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const QVariant role = object->property(kRole);
    if (!role.isValid())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    const auto r = static_cast<QAccessible::Role>(role.toInt());
    if (auto *label = qobject_cast<QLabel *>(widget))
        return new StatusLineAccessible(label, r);
    if (auto *bar = qobject_cast<QAbstractSlider *>(widget))
        return new StatementSliderAccessible(bar);
    return new QAccessibleWidget(widget, r);
}

} // namespace

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void setRole(QWidget *widget, QAccessible::Role role)
{
    install();
    widget->setProperty(kRole, static_cast<int>(role));
    // An interface made before now (a label announces its text as it is set
    // up) keeps Qt's role: drop it, and the next query makes the new one.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget);
    if (made && made->role() != role)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void StatusAnnouncer::watch(QLabel *label, QAccessible::Role role)
{
    setRole(label, role);
    m_announced.insert(label, label->text());
}

void StatusAnnouncer::changed(QLabel *label)
{
    if (m_pending.contains(label))
        return;
    if (m_pending.isEmpty())
        QTimer::singleShot(0, this, [this] { announce(); });
    m_pending.append(label);
}

void StatusAnnouncer::announce()
{
    const QList<QPointer<QLabel>> pending = std::exchange(m_pending, {});
    for (QLabel *label : pending) {
        if (!label || !m_announced.contains(label))
            continue;
        const QString now = label->text();
        const QString before = m_announced.value(label);
        if (now == before)
            continue;
        m_announced.insert(label, now);
        if (!QAccessible::isActive())
            continue;
        QAccessibleTextUpdateEvent text(label, 0, before, now);
        QAccessible::updateAccessibility(&text);
        QAccessibleEvent name(label, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&name);
        // A reader speaks a message as it appears; an emptied line says nothing.
        if (!now.trimmed().isEmpty()) {
            QAccessibleEvent shown(label, QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&shown);
        }
    }
}

} // namespace a11y
