// The window's light look, which its dialogs and message boxes keep too.
#include "workspace/light_look.h"

#include <QChildEvent>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <memory>

namespace {

// Watches a window for the windows opened on it. A widget that is polished
// (just before it is first shown) tells its parent; a window then takes the
// palette of the window it was opened on, and is watched in turn.
class LightLookForDialogs : public QObject
{
public:
    explicit LightLookForDialogs(QWidget *window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ChildPolished)
            return false;
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (!child || !child->isWidgetType() || !watched->isWidgetType())
            return false;
        auto *dialog = static_cast<QWidget *>(child);
        if (!dialog->isWindow() || dialog->windowType() == Qt::Popup || dialog->windowType() == Qt::ToolTip)
            return false;
        dialog->setPalette(static_cast<QWidget *>(watched)->palette());
        dialog->installEventFilter(this);
        return false;
    }
};

} // namespace

QPalette lightPalette()
{
    const std::unique_ptr<QStyle> fusion{QStyleFactory::create(QStringLiteral("Fusion"))};
    return fusion ? fusion->standardPalette() : QPalette(Qt::lightGray);
}

void keepLightLookInDialogs(QWidget *window)
{
    new LightLookForDialogs(window);
}
