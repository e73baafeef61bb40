// The message service the user sees: a modal box with the application title and OK, or
// Yes and No for a question.
#pragma once

#include "core/messages.h"

class QWidget;

namespace mw {

class DialogMessageService : public MessageService {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void show(const QString& text, MessageIcon icon) override;
    bool ask(const QString& text, MessageIcon icon) override;

private:
    QWidget* parent_ = nullptr;
};

} // namespace mw
