// The text-file service: every module file is read and written through here. Reading
// gives each line's bytes exactly (LF or CR LF ends a line; a last line without a line
// end counts); writing ends every line with CR LF and replaces the file atomically.
#pragma once

#include "core/filestamp.h"
#include "core/linearray.h"

#include <QString>
#include <string>
#include <string_view>

namespace mw {

constexpr int kMaxLines = 32767;

bool fileExists(const QString& path);

// Where each line of the file bytes lies. Throws an overflow error naming `fileName` past
// kMaxLines.
std::vector<LineSpan> lineSpans(std::string_view bytes, const QString& fileName);
// The same lines, each as its own string.
std::vector<std::string> splitLines(std::string_view bytes, const QString& fileName);

// Reads a whole file. Failures are errors naming the file and the reason.
LineArray readLines(const QString& path);

// Writes `bytes` to a temporary file beside `path` and renames it over `path`; on any
// failure the old file is left as it was and an error names the file and the reason.
void writeFileAtomically(const QString& path, std::string_view bytes);

} // namespace mw
