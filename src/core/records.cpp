// The rebuilds' text encoder.
#include "core/records.h"

namespace mw {

std::optional<QString> notHeld(const PanelHolds& holds, int k)
{
    if (holds.record != k)
        return QStringLiteral("it is not the record shown");
    if (!holds.problem.isEmpty())
        return holds.problem;
    return std::nullopt;
}

std::string TextEncoder::operator()(const QString& text, const QString& box)
{
    if (failure_)
        return {};
    if (wholeFields_) {
        for (QChar ch : text) {
            if (ch == QLatin1Char(' ') || ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
                failure_ = Failure { box, Problem::SplitsFields };
                return {};
            }
        }
    }
    auto bytes = encodeText(text, codec_);
    if (!bytes) {
        failure_ = Failure { box, Problem::NotEncodable };
        return {};
    }
    return std::move(*bytes);
}

} // namespace mw
