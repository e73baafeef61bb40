// Runs a check when the keyboard focus leaves a widget. Focus that leaves only because
// a message box or another window became active does not count: the user has not left
// the box.
#pragma once

#include <QObject>
#include <functional>

namespace mw {

class FocusOutFilter : public QObject {
public:
    FocusOutFilter(QObject* watched, std::function<void()> onFocusOut);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> onFocusOut_;
};

// Installs a filter owned by `watched`.
void onFocusOut(QObject* watched, std::function<void()> onFocusOut);

} // namespace mw
