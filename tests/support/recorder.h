// A message service that records every message instead of showing a box, and answers
// questions from a script (No, the default button, once the script is used up).
#pragma once

#include "core/messages.h"

#include <QStringList>
#include <deque>
#include <vector>

namespace mw::test {

class MessageRecorder : public MessageService {
public:
    void show(const QString& text, MessageIcon icon) override { shown.push_back({ text, icon }); }
    bool ask(const QString& text, MessageIcon icon) override
    {
        shown.push_back({ text, icon });
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return yes;
    }
    std::vector<Message> shown; // messages and questions, in order
    std::deque<bool> answers; // true: Yes

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
