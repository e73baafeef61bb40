// Reading numbers out of fields: the one set of conversions every reader, display and
// rebuild uses, with the overflow and type-mismatch errors. No floating point is used
// for whole numbers; readNumber is only for the checks that accept fractions.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mw {

__extension__ typedef unsigned __int128 uint128;

// A whole number, optionally signed, optionally with a fraction that is rounded half to
// even (the way the record files' numbers have always been read). `where` names the
// place for the error text, e.g. "field 6 of line 14 of troops.txt".
int16_t toInt16(std::string_view text, const QString& where);
int32_t toInt32(std::string_view text, const QString& where);

// A non-negative number of at most 96 bits; a fraction is floored. A negative value is
// rejected (error 5), more than 96 bits is an overflow (error 6), anything else that is
// not a decimal number a type mismatch (error 13).
uint128 toUnsigned96(std::string_view text, const QString& where);

// True when `text` is a number with a fraction that is not zero ("2.5"), which a field
// read as a whole number cannot keep. False for anything else, numbers or not.
bool hasFraction(std::string_view text);

// A decimal number with optional sign, fraction and exponent, as the field checks read
// what the user typed; nothing when the text is not a number.
std::optional<double> readNumber(std::string_view text);

// Plain decimal digits, no sign or separators.
std::string toDecimalText(uint128 value);

// The text of `text` quoted for an error description, shortened when very long.
QString quoteForError(std::string_view text);

} // namespace mw
