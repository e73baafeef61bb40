// The message service: every message box of the program goes through one of these, so
// that tests can record what a user would have been shown.
#pragma once

#include "core/errors.h"

#include <QString>
#include <optional>
#include <vector>

namespace mw {

enum class MessageIcon { None, Critical, Warning, Information };

// A message a pure function wants shown, in the order it arose.
struct Message {
    QString text;
    MessageIcon icon = MessageIcon::None;
    bool operator==(const Message&) const = default;
};

// What showing or rebuilding a record came to: the messages to show (in order), a refusal
// (the record was left alone) and an error that stopped the work.
struct Outcome {
    std::vector<Message> messages;
    std::optional<Message> refusal;
    std::optional<ModError> error;
};

// Every message box is captioned with this title.
inline const QString kMessageTitle = QStringLiteral("Varnholt - Unoffical Musterwright");

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows `text` (lines separated by CR LF) with an OK button and waits for it.
    virtual void show(const QString& text, MessageIcon icon) = 0;
    // Asks `text` with Yes and No, No the default; true for Yes.
    virtual bool ask(const QString& text, MessageIcon icon) = 0;

    void showError(const ModError& error) { show(errorReportText(error), MessageIcon::None); }
    void show(const Message& message) { show(message.text, message.icon); }
    void showAll(const std::vector<Message>& messages)
    {
        for (const auto& message : messages)
            show(message);
    }
    // The messages, then the refusal, then the "Error #" report of the error.
    void report(const Outcome& outcome)
    {
        showAll(outcome.messages);
        if (outcome.refusal)
            show(*outcome.refusal);
        if (outcome.error)
            showError(*outcome.error);
    }
};

// Runs a handler's body and turns any failure into the one "Error #" report.
// Returns false when the body failed.
template <typename Body> bool runReported(MessageService& messages, Body&& body)
{
    try {
        body();
        return true;
    } catch (const ModError& error) {
        messages.showError(error);
    } catch (const std::bad_alloc&) {
        messages.showError(ModError(kErrOutOfMemory, QStringLiteral("Out of memory")));
    }
    return false;
}

} // namespace mw
