// Invented names for generated records: two syllable-built words joined by "_"
// ("Kesden_Wardric"), unique within one maker, with the identifier made from the name.
#pragma once

#include "genrandom.h"

#include <string>
#include <unordered_set>

namespace mwgen {

class NameMaker {
public:
    explicit NameMaker(Random& random)
        : random_(random)
    {
    }

    // A display name not given before by this maker, ASCII only.
    std::string next();

private:
    std::string word();

    Random& random_;
    std::unordered_set<std::string> used_;
    int serial_ = 0;
};

// The identifier text for a name: lower case ("Kesden_Wardric" -> "kesden_wardric").
std::string identifierFor(const std::string& name);

// The name with its first vowel replaced by an accented Latin-1 byte (0x80-0xFF), so that
// the text is not valid UTF-8; a name without a vowel gets the byte appended.
std::string withLatin1Byte(std::string name);

struct ModuleSpec;
// The name as record `index` shows it: with a Latin-1 byte in every fourth record when the
// plan asks for Latin-1 names.
std::string displayName(const ModuleSpec& plan, int index, const std::string& name);

} // namespace mwgen
