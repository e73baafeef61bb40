// The message service: every message box of the program goes through one of these, so
// that tests can record what a user would have been shown.
#pragma once

#include "core/errors.h"

#include <QString>

namespace mw {

enum class MessageIcon { None, Critical, Warning, Information };

// Every message box is captioned with this title.
inline const QString kMessageTitle = QStringLiteral("Varnholt - Unoffical Musterwright");

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows `text` (lines separated by CR LF) with an OK button and waits for it.
    virtual void show(const QString& text, MessageIcon icon) = 0;

    void showError(const ModError& error) { show(errorReportText(error), MessageIcon::None); }
};

// Runs a handler's body and turns any failure into the one "Error #" report.
// Returns false when the body failed.
template <typename Body>
bool runReported(MessageService& messages, Body&& body)
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
