// Invented names built from syllables.
#include "gennames.h"

#include "modulegen.h"

#include <array>
#include <string_view>

namespace mwgen {

namespace {

constexpr std::array<std::string_view, 30> kOnsets { "kes", "war", "mor", "bran", "thal", "vel", "dun", "ash", "cor",
    "fen", "gal", "hol", "ist", "jor", "lan", "mar", "nor", "os", "pel", "quil", "ros", "sar", "tor", "ul", "ven",
    "wyn", "yar", "zel", "bel", "cal" };
constexpr std::array<std::string_view, 20> kEndings { "trel", "den", "ric", "wen", "dor", "lin", "ras", "gard", "hild",
    "mund", "wick", "stan", "ley", "ver", "ith", "ot", "um", "ane", "oc", "ris" };

template <size_t N> std::string_view pick(Random& random, const std::array<std::string_view, N>& list)
{
    return list[static_cast<size_t>(random.between(0, static_cast<int>(N) - 1))];
}

} // namespace

std::string NameMaker::word()
{
    std::string w;
    w += pick(random_, kOnsets);
    if (random_.oneIn(5))
        w += pick(random_, kOnsets);
    w += pick(random_, kEndings);
    w[0] = static_cast<char>(w[0] - 'a' + 'A');
    return w;
}

std::string NameMaker::next()
{
    // Two words, the second drawn first (the order every module made so far was drawn in),
    // written out so that no compiler's order of evaluation changes the names.
    const auto twoWords = [this] {
        const std::string second = word();
        return word() + "_" + second;
    };
    // Collisions are rare (over 300,000 pairs); after a few the serial number settles it.
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::string name = twoWords();
        if (used_.insert(name).second)
            return name;
    }
    std::string name = twoWords() + std::to_string(++serial_);
    used_.insert(name);
    return name;
}

std::string identifierFor(const std::string& name)
{
    std::string id = name;
    for (char& c : id) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return id;
}

std::string withLatin1Byte(std::string name)
{
    for (char& c : name) {
        switch (c) {
        case 'a':
            c = static_cast<char>(0xE5);
            return name;
        case 'e':
            c = static_cast<char>(0xE9);
            return name;
        case 'i':
            c = static_cast<char>(0xEF);
            return name;
        case 'o':
            c = static_cast<char>(0xF6);
            return name;
        case 'u':
            c = static_cast<char>(0xFC);
            return name;
        default:
            break;
        }
    }
    name += static_cast<char>(0xE9);
    return name;
}

std::string displayName(const ModuleSpec& plan, int index, const std::string& name)
{
    return plan.latin1Names && index % 4 == 1 ? withLatin1Byte(name) : name;
}

} // namespace mwgen
