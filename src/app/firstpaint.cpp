// Waiting for the window's first frame.
#include "app/firstpaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace mw {
namespace {

class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& window, std::function<void()> then)
        : QObject(&window)
        , then_(std::move(then))
    {
        window.installEventFilter(this);
        QTimer::singleShot(1000, this, [this] { run(); });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // The paint is under way: what waits runs once it is over and the frame is shown.
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, this, [this] { run(); });
        return false;
    }

private:
    void run()
    {
        if (!then_)
            return;
        parent()->removeEventFilter(this);
        std::exchange(then_, {})();
        deleteLater();
    }

    std::function<void()> then_;
};

} // namespace

void afterFirstPaint(QWidget& window, std::function<void()> then)
{
    new FirstPaint(window, std::move(then));
}

} // namespace mw
