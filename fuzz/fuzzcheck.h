// What every fuzz target shares: the input as bytes and text, the file lines it makes, and
// a check that stops the run with a readable reason (libFuzzer keeps the input as a crash).
#pragma once

#include "core/errors.h"
#include "core/linearray.h"
#include "core/textfiles.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace mw::fuzz {

inline std::string_view bytesOf(const uint8_t* data, size_t size)
{
    return { reinterpret_cast<const char*>(data), size };
}

[[noreturn]] inline void fail(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void check(bool ok, const char* what)
{
    if (!ok)
        fail(what);
}

// The lines a reader gets for these bytes, as the text-file service makes them; nothing
// (an empty array) when the file is too long to read, which is itself reported as an error.
inline LineArray linesOf(std::string_view bytes, const QString& fileName)
{
    try {
        return LineArray(splitLines(bytes, fileName), codecFor(bytes));
    } catch (const ModError&) {
        return {};
    }
}

// A reader result must keep its failure as a ModError value; one thrown past it is caught
// here as a fault too: readers report, they do not throw.
template <typename Read> void mustNotThrow(Read&& read, const char* what)
{
    try {
        read();
    } catch (const ModError&) {
        fail(what);
    }
}

} // namespace mw::fuzz
