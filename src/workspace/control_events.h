// The change handlers of boxes, radio groups and bars, and the program's own
// changes of those controls, told apart through the write gate.
#pragma once

#include "workspace/write_gate.h"

#include <functional>

class QAbstractButton;
class QAbstractSlider;
class QButtonGroup;

namespace controls {

// Runs `handler` whenever the box's checked state changes, by the user or by
// the program (setChecked below); only the user's change is a user's action.
void onToggled(WriteGate &gate, QAbstractButton *box, std::function<void()> handler);
// Runs `handler` whenever another item of the exclusive group becomes checked.
void onChosen(WriteGate &gate, QButtonGroup *group, std::function<void()> handler);
// Runs `handler` whenever the bar's position changes.
void onMoved(WriteGate &gate, QAbstractSlider *bar, std::function<void()> handler);
// Runs `handler` when the user presses the button: always the user's action.
void onPressed(WriteGate &gate, QAbstractButton *button, std::function<void()> handler);

// The program's changes; the handlers they set off still run, inside them.
void setChecked(WriteGate &gate, QAbstractButton *box, bool checked);
// Checks item `id` of the exclusive group; -1 leaves no item checked.
void choose(WriteGate &gate, QButtonGroup *group, int id);
void setValue(WriteGate &gate, QAbstractSlider *bar, int value);

} // namespace controls
