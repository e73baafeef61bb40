// A module file held in memory: each line's bytes exactly as read, counted from 1 as
// the formats count lines, and how the file's text is shown on screen.
#pragma once

#include "core/textcodec.h"

#include <QString>
#include <string>
#include <vector>

namespace mw {

class LineArray {
public:
    LineArray() = default;
    LineArray(std::vector<std::string> lines, TextCodec codec) : lines_(std::move(lines)), codec_(codec) {}

    int count() const { return static_cast<int>(lines_.size()); }
    bool empty() const { return lines_.empty(); }

    // Line k, 1-based. Past the end is a "Subscript out of range" error naming `file`.
    const std::string& at(int k, const QString& file) const;
    void set(int k, std::string text, const QString& file);
    bool has(int k) const { return k >= 1 && k <= count(); }

    const std::vector<std::string>& lines() const { return lines_; }
    std::vector<std::string>& lines() { return lines_; }
    TextCodec codec() const { return codec_; }

    // The lines joined as they are written back: every line, the last too, ends in CR LF.
    std::string serialised() const;

private:
    std::vector<std::string> lines_; // lines_[k - 1] is line k
    TextCodec codec_ = TextCodec::Utf8;
};

} // namespace mw
