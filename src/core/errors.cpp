// Formatting of the error report.
#include "core/errors.h"

namespace mw {

QString errorReportText(const ModError& error)
{
    return QStringLiteral("Error #%1: %2").arg(error.number()).arg(error.description());
}

} // namespace mw
