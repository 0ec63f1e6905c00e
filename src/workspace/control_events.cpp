// The change handlers of boxes, radio groups and bars, and the program's own
// changes of those controls, told apart through the write gate.
#include "workspace/control_events.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QButtonGroup>

namespace controls {

void onToggled(WriteGate &gate, QAbstractButton *box, std::function<void()> handler)
{
    QObject::connect(box, &QAbstractButton::toggled, box, [&gate, handler = std::move(handler)] {
        gate.handle(handler);
    });
}

void onChosen(WriteGate &gate, QButtonGroup *group, std::function<void()> handler)
{
    QObject::connect(group, &QButtonGroup::idToggled, group, [&gate, handler = std::move(handler)](int, bool on) {
        if (on)
            gate.handle(handler);
    });
}

void onMoved(WriteGate &gate, QAbstractSlider *bar, std::function<void()> handler)
{
    QObject::connect(bar, &QAbstractSlider::valueChanged, bar, [&gate, handler = std::move(handler)] {
        gate.handle(handler);
    });
}

void onPressed(WriteGate &gate, QAbstractButton *button, std::function<void()> handler)
{
    QObject::connect(button, &QAbstractButton::clicked, button, [&gate, handler = std::move(handler)] {
        const WriteGate::UserAction user(gate);
        handler();
    });
}

void setChecked(WriteGate &gate, QAbstractButton *box, bool checked)
{
    const WriteGate::CodeChange code(gate);
    box->setChecked(checked);
}

void choose(WriteGate &gate, QButtonGroup *group, int id)
{
    const WriteGate::CodeChange code(gate);
    if (QAbstractButton *item = group->button(id)) {
        item->setChecked(true);
        return;
    }
    // An exclusive group keeps one item checked; it lets go only while it is
    // not exclusive.
    if (QAbstractButton *checked = group->checkedButton()) {
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

void setValue(WriteGate &gate, QAbstractSlider *bar, int value)
{
    const WriteGate::CodeChange code(gate);
    bar->setValue(value);
}

} // namespace controls
