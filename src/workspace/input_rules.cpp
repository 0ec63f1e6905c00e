// Keyboard and wheel rules for controls whose change writes to the document.
#include "workspace/input_rules.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {

class WheelNeedsFocus : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Wheel && !static_cast<QWidget *>(watched)->hasFocus()) {
            // Kept from the control; ignored, so that Qt offers it to the parent.
            event->ignore();
            return true;
        }
        return false;
    }
};

// Gives the Tab stop to the checked button (to every button when none is).
void moveTabStop(const QButtonGroup *group)
{
    const QAbstractButton *checked = group->checkedButton();
    for (QAbstractButton *button : group->buttons()) {
        const Qt::FocusPolicy policy = button->focusPolicy();
        button->setFocusPolicy(!checked || button == checked ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                             : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

// Qt gives the stop to a button as it takes the focus, checked or not (a
// mouse press that is dragged off the button); once the focus leaves the
// group's button, the stop goes back to the checked one.
class TabStopFollowsCheck : public QObject
{
public:
    explicit TabStopFollowsCheck(QButtonGroup *group) : QObject(group), m_group(group) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut)
            moveTabStop(m_group);
        return false;
    }

private:
    QButtonGroup *const m_group;
};

} // namespace

void wheelOnlyWithFocus(QWidget *control)
{
    control->installEventFilter(new WheelNeedsFocus(control));
}

void tabStopOnCheckedButton(QButtonGroup *group)
{
    auto *filter = new TabStopFollowsCheck(group);
    for (QAbstractButton *button : group->buttons())
        button->installEventFilter(filter);
    QObject::connect(group, &QButtonGroup::buttonToggled, group, [group](QAbstractButton *, bool checked) {
        if (checked)
            moveTabStop(group);
    });
    moveTabStop(group);
}

void checkItem(QButtonGroup *group, int id)
{
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

bool isActivation(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return static_cast<const QMouseEvent *>(event)->button() == Qt::LeftButton;
    case QEvent::KeyPress: {
        const auto *key = static_cast<const QKeyEvent *>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        return mods == Qt::NoModifier
               && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space);
    }
    default:
        return false;
    }
}
