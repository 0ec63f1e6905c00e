// A scroll bar that shows when it has the keyboard focus.
#pragma once

#include <QScrollBar>

// The style draws a focused bar exactly like any other, yet the keys a user
// presses then move it, and so rewrite its statement. This one draws a frame
// in the highlight colour while it has the focus.
class FocusScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    using QScrollBar::QScrollBar;

protected:
    void paintEvent(QPaintEvent *event) override;
};
