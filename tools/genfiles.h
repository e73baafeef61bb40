// The generators of the five files, shared by generateModule: each takes the module's
// description and its own random stream and returns the file's bytes.
#pragma once

#include "genrandom.h"
#include "modulegen.h"

#include <string>
#include <string_view>

namespace mwgen {

// Collects lines, each followed by the module's line end.
class TextOut {
public:
    TextOut(const ModuleSpec& plan, size_t expectedBytes)
        : eol_(plan.lfOnly ? "\n" : "\r\n")
    {
        text_.reserve(expectedBytes);
    }
    void line(std::string_view text)
    {
        text_.append(text);
        text_.append(eol_);
    }
    // A catalogue's or record file's two head lines: its title and the record count.
    void head(std::string_view title, int count)
    {
        line(title);
        text_.append(std::to_string(count));
        text_.append(eol_);
    }
    std::string take() { return std::move(text_); }

private:
    std::string_view eol_;
    std::string text_;
};

// Counts below 0 are taken as 0.
inline int countOf(int n)
{
    return n < 0 ? 0 : n;
}

// The random stream of one file: the seed and the file's tag, so that changing one
// file's part of the description leaves the other files as they were.
inline Random randomFor(const ModuleSpec& plan, uint64_t tag)
{
    return Random((uint64_t { plan.seed } << 8) ^ tag);
}

std::string makeTroops(const ModuleSpec& plan);
std::string makeItems(const ModuleSpec& plan);
std::string makeFactions(const ModuleSpec& plan);
std::string makeTemplates(const ModuleSpec& plan);
std::string makeParties(const ModuleSpec& plan);

} // namespace mwgen
