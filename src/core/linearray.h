// A module file held in memory: each line's bytes exactly as read, counted from 1 as
// the formats count lines, and how the file's text is shown on screen.
#pragma once

#include "core/textcodec.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

// Where a line lies in its file's bytes, without its line end.
struct LineSpan {
    uint32_t start = 0;
    uint32_t length = 0;
};

// The file stays one buffer as read, with the place of every line in it; a line replaced
// by an update is kept on its own. A line's view stays valid until that line is replaced
// or the array is assigned anew.
class LineArray {
public:
    LineArray() = default;
    // `spans` point into `bytes`, which is never changed afterwards.
    LineArray(QByteArray bytes, std::vector<LineSpan> spans, TextCodec codec);
    LineArray(const std::vector<std::string>& lines, TextCodec codec);

    int count() const { return static_cast<int>(spans_.size()); }
    bool empty() const { return spans_.empty(); }

    // Line k, 1-based. Past the end is a "Subscript out of range" error naming `file`.
    std::string_view at(int k, const QString& file) const;
    void set(int k, std::string text, const QString& file);
    bool has(int k) const { return k >= 1 && k <= count(); }
    // Line k, 1-based, for callers that stay within 1..count().
    std::string_view line(int k) const
    {
        const LineSpan s = spans_[static_cast<size_t>(k - 1)];
        if (s.length == kReplaced)
            return replaced_[s.start];
        return { bytes_.constData() + s.start, s.length };
    }

    // Every line as its own string: for small files and comparisons.
    std::vector<std::string> lines() const;
    TextCodec codec() const { return codec_; }
    // The file as read; lines not replaced since point into it.
    const QByteArray& bytes() const { return bytes_; }

    // The lines joined as they are written back: every line, the last too, ends in CR LF.
    std::string serialised() const;

private:
    static constexpr uint32_t kReplaced = UINT32_MAX; // the line is replaced_[start]

    QByteArray bytes_;
    std::vector<LineSpan> spans_; // spans_[k - 1] is line k
    std::deque<std::string> replaced_; // a deque, so that adding one moves no other
    TextCodec codec_ = TextCodec::Utf8;
};

} // namespace mw
