// Which generation of a module file was loaded, told from its head line "<title> version <n>"
// (and, where the head alone cannot tell, from its first record). The readers decide it once
// at load; each format keeps one layout per generation, chosen from it.
#pragma once

#include "core/linearray.h"

#include <QString>
#include <optional>
#include <string_view>

namespace mw {

enum class FileGeneration {
    Described, // the 0.90x / 0.95x layouts, and any head that is not of the versioned form
    Newer, // the later releases' layout this editor knows
    Later, // a head naming a later version than the newer layout: read as Described, never written
};

// The number n of a head "<title> version <n>" (n plain digits), or none for any other head.
std::optional<int> headVersion(std::string_view head, std::string_view title);

// From a head: a version above `newer` is Later; exactly `newer` is Newer when
// `newerRecords` (the records are in the newer layout), otherwise Described.
FileGeneration generationOf(std::string_view head, std::string_view title, int newer, bool newerRecords);

// The refusal of writing a Later file: names it and its head line.
QString laterGenerationText(const QString& fileName, const LineArray& lines);

} // namespace mw
