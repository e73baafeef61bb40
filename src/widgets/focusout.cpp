// The focus-lost event filter.
#include "widgets/focusout.h"

#include <QFocusEvent>

namespace mw {

FocusOutFilter::FocusOutFilter(QObject* watched, std::function<void()> onFocusOut)
    : QObject(watched)
    , onFocusOut_(std::move(onFocusOut))
{
    watched->installEventFilter(this);
}

bool FocusOutFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            onFocusOut_();
    }
    return QObject::eventFilter(watched, event);
}

void onFocusOut(QObject* watched, std::function<void()> onFocusOut)
{
    new FocusOutFilter(watched, std::move(onFocusOut));
}

} // namespace mw
