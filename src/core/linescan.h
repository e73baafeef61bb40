// One pass over a file's bytes that finds where every line lies and whether any byte is
// past ASCII, so that an ASCII file needs no UTF-8 check of its own.
#pragma once

#include "core/linearray.h"

#include <QString>
#include <string_view>
#include <vector>

namespace mw {

struct LineScan {
    std::vector<LineSpan> spans;
    bool ascii = true; // no byte above 0x7F
};

// LF ends a line and a CR right before it belongs to the line end; a last line without a
// line end counts. Throws an overflow error naming `fileName` past kMaxLines lines.
LineScan scanLines(std::string_view bytes, const QString& fileName);

} // namespace mw
