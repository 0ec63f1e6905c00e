// The window's light look, which its dialogs and message boxes keep too.
#pragma once

#include <QPalette>

class QWidget;

// The light palette the window keeps on any desktop, dark ones included:
// its fixed colours (the yellow line, red messages, navy hints) were chosen
// for it.
QPalette lightPalette();

// Every window opened on top of `window` (a message box, a question, a
// dialog, and the windows those open in turn) takes `window`'s palette as it
// is first shown. A window of its own would otherwise take the desktop's
// palette: dark text fields in a light program.
void keepLightLookInDialogs(QWidget *window);
