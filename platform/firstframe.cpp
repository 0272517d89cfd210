#include "platform/firstframe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace platform {

namespace {

// Watches the window for its first paint. The paint of the window itself
// comes first among its widgets and the whole picture is flushed to the
// screen before the event loop turns again, so a zero timer set from there
// fires after the first frame.
class FirstPaintWatcher : public QObject
{
public:
    FirstPaintWatcher(QWidget& Window, std::function<void()> Work, int FallbackMs)
        : QObject(&Window), FWork(std::move(Work))
    {
        Window.installEventFilter(this);
        QTimer::singleShot(FallbackMs, this, [this] { Run(); });
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::Paint && Watched == parent()) {
            Watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { Run(); });
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    void Run()
    {
        if (!FWork)
            return;
        const std::function<void()> Work = std::move(FWork);
        FWork = nullptr;
        parent()->removeEventFilter(this);
        deleteLater();
        Work();
    }

    std::function<void()> FWork;
};

} // namespace

void AfterFirstPaint(QWidget& Window, std::function<void()> Work, int FallbackMs)
{
    if (Work)
        new FirstPaintWatcher(Window, std::move(Work), FallbackMs);
}

} // namespace platform
