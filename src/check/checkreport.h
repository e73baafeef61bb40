// The two forms of a module check's report: lines for people and build logs, and JSON for
// scripts and CI pipelines.
#pragma once

#include "check/modulecheck.h"

#include <QByteArray>
#include <QString>

namespace mw {

// The path a finding names: the folder as the user gave it, joined with the file's name.
QString findingPath(const QString& folder, const QString& file);

// "<path>:<line>: <message> [<code>]" per finding, then one summary line.
QString checkReportText(const ModuleCheck& check, const QString& folder);

// A JSON array of objects {file, line, field, code, message}; field is null where no single
// field is meant.
QByteArray checkReportJson(const ModuleCheck& check, const QString& folder);

} // namespace mw
