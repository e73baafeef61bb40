// The message service the user sees: a modal box with the application title and OK.
#pragma once

#include "core/messages.h"

class QWidget;

namespace mw {

class DialogMessageService : public MessageService {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void show(const QString& text, MessageIcon icon) override;

private:
    QWidget* parent_ = nullptr;
};

} // namespace mw
