// Lossless display text for file bytes: UTF-8 when the whole file is valid UTF-8,
// otherwise one byte to one character (Latin-1). Encoding the shown text again gives
// back the same bytes.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace mw {

enum class TextCodec { Utf8, Latin1 };

bool isValidUtf8(std::string_view bytes);
TextCodec codecFor(std::string_view wholeFile);

QString decodeText(std::string_view bytes, TextCodec codec);
// Nothing when the text holds a character the file's encoding cannot store.
std::optional<std::string> encodeText(const QString& text, TextCodec codec);

} // namespace mw
