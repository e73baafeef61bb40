// A message service that records every message instead of showing a box.
#pragma once

#include "core/messages.h"
#include "core/messages.h"

#include <QStringList>
#include <vector>

namespace mw::test {

class MessageRecorder : public MessageService {
public:
    void show(const QString& text, MessageIcon icon) override { shown.push_back({text, icon}); }
    std::vector<Message> shown;

    QStringList texts() const
    {
        QStringList out;
        for (const auto& m : shown)
            out << m.text;
        return out;
    }
    void clear() { shown.clear(); }
};

} // namespace mw::test
